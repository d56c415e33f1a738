#include "cli/CliRun.h"

#include "cli/AnswerOutput.h"
#include "cli/CommandLine.h"
#include "cli/InputChecks.h"
#include "cli/QueryLines.h"
#include "cli/Searches.h"
#include "cli/TopCommand.h"
#include "cli/Utf8Text.h"
#include "data/StartupValues.h"

#include <algorithm>
#include <exception>

namespace zorvane::cli {
namespace {

void Complain(std::ostream& err, std::string_view cp1252, bool terminal) {
    const std::string reason = Cp1252ToUtf8(cp1252, " ");
    err << "zorvane-cli : " << (terminal ? VisibleControls(reason) : reason) << "\n";
}

class Run {
public:
    Run(const Command& command, SearchData& data, std::ostream& out, std::ostream& err,
        Terminals terminals)
        : command_(command), data_(data), out_(out), err_(err), terminals_(terminals) {}

    int Answer(std::string_view typed) {
        if (answered_++ > 0 && !command_.json) {
            out_ << '\n';
        }
        if (typed.size() > kMaxQueryBytes) {
            return TooLong();
        }
        const auto query = ReadQuery(command_.subcommand, typed);
        if (const auto* usage = std::get_if<UsageError>(&query)) {
            return Fail(typed, usage->message, kUsageError);
        }
        if (auto refusal = BoardRefusal(command_, std::get<std::string>(query))) {
            return Fail(typed, *refusal, kUsageError);
        }
        try {
            const cli::Answer answer = RunSearch(command_, std::get<std::string>(query), data_);
            const std::vector<std::string>& warnings = data_.Warnings();
            for (; warned_ < warnings.size(); ++warned_) {
                Complain(err_, warnings[warned_], terminals_.err);
            }
            Write(command_.json ? JsonOutput(command_.subcommand, typed, answer)
                                : TextOutput(answer));
            return answer.found ? kFound : kNothingFound;
        } catch (const std::exception& failure) {
            return Fail(typed, failure.what(), kDataFailure);
        }
    }

    // A query too long to be read whole: refused without being shown.
    int TooLong() {
        const std::string reason = TooLongQueryMessage();
        Complain(err_, reason, terminals_.err);
        if (command_.json) {
            Write(JsonError(command_.subcommand, std::nullopt, reason));
        }
        return kUsageError;
    }

private:
    int Fail(std::string_view typed, std::string_view reason, int status) {
        Complain(err_, reason, terminals_.err);
        if (command_.json) {
            Write(JsonError(command_.subcommand, typed, reason));
        }
        return status;
    }

    void Write(const std::string& utf8) { out_ << (terminals_.out ? VisibleControls(utf8) : utf8); }

    const Command& command_;
    SearchData& data_;
    std::ostream& out_;
    std::ostream& err_;
    Terminals terminals_;
    std::size_t answered_ = 0;
    std::size_t warned_ = 0;
};

// A failed write (full disk) is the worst outcome: the script lost its answer.
int Written(std::ostream& out, std::ostream& err, int status) {
    if (!out.flush()) {
        err << "zorvane-cli : la réponse n'a pas pu être écrite.\n";
        return kOutputFailure;
    }
    return status;
}

} // namespace

int RunCommandLine(const std::vector<std::string>& args, SearchData& data, std::istream& in,
                   std::ostream& out, std::ostream& err, Terminals terminals) {
    const ParsedCommand parsed = ParseCommandLine(args);
    if (const auto* help = std::get_if<HelpRequest>(&parsed)) {
        out << (help->subcommand ? HelpText(*help->subcommand) : HelpText());
        return Written(out, err, kFound);
    }
    if (std::holds_alternative<VersionRequest>(parsed)) {
        out << "zorvane-cli " << data::kVersionAppli << "\n";
        return Written(out, err, kFound);
    }
    if (const auto* usage = std::get_if<UsageError>(&parsed)) {
        Complain(err, usage->message, terminals.err);
        if (usage->json) {
            out << JsonError(usage->subcommand, std::nullopt, usage->message);
        }
        return Written(out, err, kUsageError);
    }
    Command command = std::get<Command>(parsed);
    if (command.subcommand == Subcommand::Top) {
        auto position = ReadPositionText(command.positionFile, in);
        if (const auto* usage = std::get_if<UsageError>(&position)) {
            Complain(err, usage->message, terminals.err);
            if (command.json) {
                out << JsonError(command.subcommand, command.text, usage->message);
            }
            return Written(out, err, kUsageError);
        }
        command.positionText = std::move(std::get<std::string>(position));
    }
    Run run(command, data, out, err, terminals);
    if (command.text) {
        return Written(out, err, run.Answer(*command.text));
    }
    std::optional<int> worst; // no query at all: nothing found
    QueryLines lines(in);
    std::string line;
    for (QueryLines::Read read = QueryLines::Read::Line;
         worst.value_or(kFound) < kDataFailure && read == QueryLines::Read::Line;) {
        read = lines.Next(line);
        if (read == QueryLines::Read::TooLong) {
            worst = std::max(worst.value_or(kFound), Written(out, err, run.TooLong()));
        } else if (read == QueryLines::Read::Line && !line.empty()) {
            worst = std::max(worst.value_or(kFound), Written(out, err, run.Answer(line)));
        }
    }
    return Written(out, err, worst.value_or(kNothingFound));
}

} // namespace zorvane::cli

#include "cli/CliRun.h"

#include "cli/AnswerOutput.h"
#include "cli/CommandLine.h"
#include "cli/Searches.h"
#include "cli/Utf8Text.h"

#include <exception>

namespace zorvane::cli {
namespace {

void Complain(std::ostream& err, std::string_view cp1252) {
    err << "zorvane-cli : " << Cp1252ToUtf8(cp1252, " ") << "\n";
}

} // namespace

int RunCommandLine(const std::vector<std::string>& args, SearchData& data, std::ostream& out,
                   std::ostream& err) {
    const ParsedCommand parsed = ParseCommandLine(args);
    if (std::holds_alternative<HelpRequest>(parsed)) {
        out << HelpText();
        return kFound;
    }
    if (const auto* usage = std::get_if<UsageError>(&parsed)) {
        Complain(err, usage->message);
        return kUsageError;
    }
    const Command& command = std::get<Command>(parsed);
    try {
        const Answer answer = RunSearch(command, data);
        for (const std::string& warning : data.Warnings()) {
            Complain(err, warning);
        }
        out << (command.json ? JsonOutput(command, answer) : TextOutput(answer));
        return answer.found ? kFound : kNothingFound;
    } catch (const std::exception& failure) {
        Complain(err, failure.what());
        return kDataFailure;
    }
}

} // namespace zorvane::cli

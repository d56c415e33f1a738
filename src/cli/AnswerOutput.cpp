#include "cli/AnswerOutput.h"

#include "cli/JsonText.h"
#include "cli/Utf8Text.h"
#include "nearwords/NearWordSearch.h"

namespace zorvane::cli {
namespace {

std::string Json(std::string_view cp1252) {
    return JsonString(Cp1252ToUtf8(cp1252));
}

std::string JsonValue(const Fact& fact) {
    return fact.kind == Fact::Kind::Text ? Json(fact.value) : fact.value;
}

// The window's lines break with CR LF; a terminal line ends with LF.
std::string Line(std::string_view cp1252) {
    std::string text = Cp1252ToUtf8(cp1252, "\n");
    text += '\n';
    return text;
}

template <typename Items, typename Write> std::string JsonArray(const Items& items, Write write) {
    std::string json = "[";
    for (const auto& item : items) {
        if (json.size() > 1) {
            json += ',';
        }
        json += write(item);
    }
    json += ']';
    return json;
}

} // namespace

std::string_view SubcommandName(Subcommand subcommand) {
    switch (subcommand) {
    case Subcommand::Check:
        return "check";
    case Subcommand::Scrabble:
        return "scrabble";
    case Subcommand::Anagram:
        return "anagram";
    case Subcommand::Pattern:
        return "pattern";
    case Subcommand::Synonyms:
        return "synonyms";
    case Subcommand::Near:
        return "near";
    case Subcommand::Commune:
        return "commune";
    }
    return {}; // not reached: every subcommand is named above
}

std::string TextOutput(const Answer& answer) {
    if (!answer.found) {
        return Line(answer.message);
    }
    std::string text;
    for (const Fact& fact : answer.facts) {
        text += Line(fact.line);
    }
    if (!answer.facts.empty() && !answer.words.empty()) {
        text += "\n";
    }
    if (!answer.percents.empty()) {
        text += Line(nearwords::kResultHeader);
    }
    for (std::size_t i = 0; i < answer.words.size(); ++i) {
        text += Line(answer.percents.empty()
                         ? answer.words[i]
                         : nearwords::ResultLine(answer.words[i], answer.percents[i] * 100LL));
    }
    return text;
}

std::string JsonOutput(const Command& command, const Answer& answer) {
    std::string json = "{\"commande\":" + JsonString(SubcommandName(command.subcommand)) +
                       ",\"texte\":" + Json(command.text) +
                       ",\"trouve\":" + (answer.found ? "true" : "false") +
                       ",\"message\":" + Json(answer.message);
    for (const Fact& fact : answer.facts) {
        json += ',';
        json += JsonString(fact.key);
        json += ':';
        json += JsonValue(fact);
    }
    json += ",\"mots\":" + JsonArray(answer.words, Json);
    if (!answer.percents.empty()) {
        json += ",\"pourcentages\":" +
                JsonArray(answer.percents, [](int percent) { return std::to_string(percent); });
    }
    json += "}\n";
    return json;
}

} // namespace zorvane::cli

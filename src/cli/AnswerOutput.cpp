#include "cli/AnswerOutput.h"

#include "cli/JsonText.h"
#include "cli/Utf8Text.h"
#include "nearwords/NearWordSearch.h"

namespace zorvane::cli {
namespace {

std::string Json(std::string_view cp1252) {
    return JsonString(Cp1252ToUtf8(cp1252));
}

std::string JsonOrNull(const std::optional<std::string>& cp1252) {
    return cp1252 ? Json(*cp1252) : "null";
}

std::string JsonValue(const Fact& fact) {
    if (!fact.value) {
        return "null";
    }
    return fact.kind == Fact::Kind::Text ? Json(*fact.value) : *fact.value;
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

// Hundredths of a per cent as a JSON number: 9167 gives 91.67.
std::string Percent(long long hundredths) {
    const std::string cents = std::to_string(hundredths % 100);
    return std::to_string(hundredths / 100) + (cents.size() < 2 ? ".0" : ".") + cents;
}

std::string Head(std::optional<Subcommand> subcommand, std::optional<std::string_view> typed,
                 bool found, const std::optional<std::string>& message,
                 const std::optional<std::string>& error) {
    return "{\"commande\":" +
           (subcommand ? JsonString(SubcommandName(*subcommand)) : std::string("null")) +
           ",\"texte\":" + (typed && IsUtf8(*typed) ? JsonString(*typed) : std::string("null")) +
           ",\"trouve\":" + (found ? "true" : "false") + ",\"message\":" + JsonOrNull(message) +
           ",\"erreur\":" + JsonOrNull(error);
}

std::string Tail(Subcommand subcommand, const Answer& answer) {
    std::string json;
    for (const std::string_view key : FactKeys(subcommand)) {
        json += ',' + JsonString(key) + ':';
        const Fact* fact = nullptr;
        for (const Fact& given : answer.facts) {
            fact = given.key == key ? &given : fact;
        }
        json += fact != nullptr ? JsonValue(*fact) : "null";
    }
    json += ",\"mots\":" + JsonArray(answer.words, Json);
    if (subcommand == Subcommand::Near) {
        json += ",\"pourcentages\":" + JsonArray(answer.hundredths, Percent);
    }
    if (subcommand == Subcommand::Top) {
        json += ",\"placements\":" + JsonArray(answer.placements, Json) + ",\"scores\":" +
                JsonArray(answer.scores, [](long long score) { return std::to_string(score); });
    }
    return json + "}\n";
}

} // namespace

std::string TextOutput(const Answer& answer) {
    if (!answer.found) {
        return Line(answer.message.value_or(""));
    }
    std::string text;
    for (const Fact& fact : answer.facts) {
        if (!fact.line.empty()) {
            text += Line(fact.line);
        }
    }
    if (!text.empty() && !answer.words.empty()) {
        text += "\n";
    }
    if (!answer.hundredths.empty()) {
        text += Line(nearwords::kResultHeader);
    }
    for (std::size_t i = 0; i < answer.words.size(); ++i) {
        if (!answer.placements.empty()) {
            text += Line(answer.placements[i] + " " + answer.words[i] + " " +
                         std::to_string(answer.scores[i]));
        } else {
            text += Line(answer.hundredths.empty()
                             ? answer.words[i]
                             : nearwords::ResultLine(answer.words[i], answer.hundredths[i]));
        }
    }
    return text;
}

std::string JsonOutput(Subcommand subcommand, std::string_view typed, const Answer& answer) {
    return Head(subcommand, typed, answer.found, answer.message, std::nullopt) +
           Tail(subcommand, answer);
}

std::string JsonError(std::optional<Subcommand> subcommand, std::optional<std::string_view> typed,
                      std::string_view reason) {
    const std::string head = Head(subcommand, typed, false, std::nullopt, std::string(reason));
    return subcommand ? head + Tail(*subcommand, {}) : head + "}\n";
}

} // namespace zorvane::cli

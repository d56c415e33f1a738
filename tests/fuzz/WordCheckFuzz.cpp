// The dictionary check on arbitrary typed words and definition entries, read from memory,
// compared with the check's rules followed step by step: entry parsing, the existence
// marker, the flag, the category, cross-references and the empty-definition sentence.
//
// Input: the typed word, LF, then one line per word number of the list below, each the
// entry of that number after its "=" (a missing line is no entry; a line "!" is a read
// failure of the file).

#include "FuzzCheck.h"
#include "FuzzText.h"
#include "check/PartsOfSpeech.h"
#include "check/ScrabblePoints.h"
#include "check/WordCheck.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using namespace zorvane::check;

namespace {

const std::vector<std::string> kListeDico = {"ABAQUE", "CHAT", "KIWI",   "VOIR",
                                             "ETE",    "A",    "EXAMEN", "ZYTHUM"};
constexpr int kLongMax = 12;
constexpr int kReadFailure = 57;

struct Entries {
    std::vector<std::string_view> lines; // line i is the entry of number i + 1

    IniEntry Of(std::string_view number) const {
        const std::size_t at = std::stoul(std::string(number)) - 1;
        if (at >= lines.size()) {
            return {};
        }
        if (lines[at] == "!") {
            return {{}, kReadFailure};
        }
        return {"=" + std::string(lines[at]), 0};
    }
};

FUZZ_REFERENCE int Points(std::string_view word) {
    int points = 0;
    for (const char c : word) {
        points += c >= 'A' && c <= 'Z' ? LetterValues[static_cast<std::size_t>(c - 'A')] : 0;
    }
    return points;
}

FUZZ_REFERENCE std::size_t Number(std::string_view word) {
    const auto found = std::find(kListeDico.begin(), kListeDico.end(), word);
    return found == kListeDico.end() ? 0 : static_cast<std::size_t>(found - kListeDico.begin()) + 1;
}

FUZZ_REFERENCE std::string_view After(std::string_view text, char separator) {
    const std::size_t at = text.find(separator);
    return at == std::string_view::npos ? std::string_view{} : text.substr(at + 1);
}

FUZZ_REFERENCE std::string_view Skip2(std::string_view text) {
    return text.substr(std::min<std::size_t>(2, text.size()));
}

// The check's steps, one by one.
FUZZ_REFERENCE WordCheckResult Reference(std::string_view typed, const Entries& entries) {
    WordCheckResult result;
    const std::string word = AsciiUpper(typed);
    const std::size_t number = Number(word);
    if (number == 0) {
        return result;
    }
    const IniEntry read = entries.Of(std::to_string(number));
    const std::string& r = read.entry;
    result.errorNumber = read.errorNumber;
    if (read.errorNumber != 0) {
        return result;
    }
    result.word = word;
    result.points = Points(word);
    if (r == "= x\xA7"
             "EXISTE") {
        result.outcome = CheckOutcome::ExistsWithoutDefinition;
        return result;
    }
    const std::size_t pound = r.find('\xA3');
    const std::size_t section = r.find('\xA7');
    if (pound == std::string::npos || section == std::string::npos) {
        return {};
    }
    result.admitted = Skip2(std::string_view(r).substr(0, pound)) != "NOT";
    result.categoryCode = std::string(After(Skip2(std::string_view(r).substr(0, section)), '\xA3'));
    result.categoryLabel = PartOfSpeechLabel(result.categoryCode);
    std::string definition = r.substr(section + 1);
    if (definition.find("Voir ") != std::string::npos && definition.size() < 22) {
        const std::size_t point = definition.find('.');
        if (point == std::string::npos) {
            return {};
        }
        const std::string before = definition.substr(0, point);
        const std::size_t keep = definition.size() - 6;
        const std::string target =
            keep >= before.size() ? before : before.substr(before.size() - keep);
        const std::size_t targetNumber = Number(target);
        if (targetNumber == 0) {
            return {};
        }
        const IniEntry referenced = entries.Of(std::to_string(targetNumber));
        if (referenced.errorNumber != 0) {
            WordCheckResult failed;
            failed.errorNumber = referenced.errorNumber;
            return failed;
        }
        const std::string& r2 = referenced.entry;
        definition +=
            "\r\n" + (r2.find('\xA7') != std::string::npos ? std::string(After(r2, '\xA7')) : r2);
    }
    result.outcome = CheckOutcome::Found;
    result.copyAllowed = !definition.empty();
    result.definition = definition.empty() ? EmptyDefinitionSentence(kLongMax) : definition;
    return result;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(bytes), size);
    const std::string_view typed = TakeLine(input);
    Entries entries;
    while (!input.empty() && entries.lines.size() < kListeDico.size()) {
        entries.lines.push_back(TakeLine(input));
    }
    const WordCheckResult found =
        CheckWord(typed, kListeDico, kLongMax,
                  [&entries](std::string_view number) { return entries.Of(number); });
    const WordCheckResult expected = Reference(typed, entries);
    FUZZ_CHECK(found.outcome == expected.outcome);
    FUZZ_CHECK(found.errorNumber == expected.errorNumber);
    FUZZ_CHECK(found.word == expected.word);
    FUZZ_CHECK(found.points == expected.points);
    FUZZ_CHECK(found.admitted == expected.admitted);
    FUZZ_CHECK(found.categoryCode == expected.categoryCode);
    FUZZ_CHECK(found.categoryLabel == expected.categoryLabel);
    FUZZ_CHECK(found.definition == expected.definition);
    FUZZ_CHECK(found.copyAllowed == expected.copyAllowed);
    return 0;
}

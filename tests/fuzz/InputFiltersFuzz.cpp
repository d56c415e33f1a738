// What the word boxes keep of an arbitrary typed or pasted text: the anagram draw and
// mandatory-letter boxes (cp1252 bytes), and the crossword letter boxes and near-word box
// (the same bytes read as UTF-16 units, any character included).

#include "FuzzHarness.h"
#include "anagram/InputFilter.h"
#include "crossword/BoxText.h"
#include "nearwords/TypedLetters.h"

#include <algorithm>
#include <string>
#include <string_view>

using namespace zorvane;

namespace {

ZORVANE_ORACLE bool IsAsciiLetter(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

// The allowed characters in their order; a text left with none of them keeps its blanks
// only, all of them or none, since a removal takes every repeat at once.
void CheckAnagramFilter(std::string_view text, std::string_view allowed) {
    const std::string kept = anagram::FiltreSaisie(text, allowed);
    const std::string upper = AsciiUpper(text);
    std::string expected;
    std::copy_if(upper.begin(), upper.end(), std::back_inserter(expected),
                 [allowed](char c) { return allowed.find(c) != std::string_view::npos; });
    if (expected.empty()) {
        const auto blanks = std::count(upper.begin(), upper.end(), ' ');
        FUZZ_CHECK(kept.find_first_not_of(' ') == std::string::npos);
        FUZZ_CHECK(kept.empty() || static_cast<long>(kept.size()) == blanks);
    } else {
        FUZZ_CHECK(kept == expected);
    }
    FUZZ_CHECK(anagram::FiltreSaisie(kept, allowed) == kept);
}

} // namespace

FUZZ_TARGET(text) {
    CheckAnagramFilter(text, anagram::kLettresTirage);
    CheckAnagramFilter(text, anagram::kLettresObligatoires);

    const QString pasted = QString::fromStdU16String(Utf16Units(text));
    QString allowed;
    QString letters;
    for (const QChar c : pasted) {
        const char16_t code = c.unicode();
        if (IsAsciiLetter(code) || code == u' ' || code == u'?') {
            allowed += c;
        }
        if (IsAsciiLetter(code) && letters.size() < nearwords::kMaxTypedLetters) {
            letters += c;
        }
        const bool control = code < 32 || code == 127;
        FUZZ_CHECK(nearwords::IsRefusedCharacter(c) == !(control || IsAsciiLetter(code)));
    }
    FUZZ_CHECK(crossword::AllowedCharacters(pasted) == allowed);
    const QString box = crossword::FirstUpper(allowed);
    FUZZ_CHECK(box.size() == std::min<qsizetype>(1, allowed.size()));
    FUZZ_CHECK(box.isEmpty() || box[0] == allowed[0].toUpper());
    FUZZ_CHECK(nearwords::OnlyLetters(pasted) == letters);
}

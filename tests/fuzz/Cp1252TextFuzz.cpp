// cp1252 case mapping and the crossing to Qt strings on arbitrary bytes and arbitrary
// UTF-16 text. Qt's own Unicode case tables are the reference for the case mapping.

#include "FuzzHarness.h"
#include "data/Cp1252.h"
#include "data/Cp1252Case.h"
#include "ui/Text.h"

#include <QList>
#include <QString>
#include <algorithm>
#include <string>
#include <string_view>

using namespace zorvane;

namespace {

// The cp1252 byte of a character's case partner, when it has one in cp1252 and it maps one
// character to one ("ß" has no capital of its own, "µ" a Greek one).
ZORVANE_ORACLE char Partner(char c, bool upper) {
    const auto code = static_cast<char16_t>(cp1252::ToUnicode(static_cast<unsigned char>(c)));
    const QString mapped = upper ? QString(QChar(code)).toUpper() : QString(QChar(code)).toLower();
    const int byte = mapped.size() == 1 ? cp1252::FromUnicode(mapped[0].unicode()) : -1;
    return byte < 0 ? c : static_cast<char>(byte);
}

} // namespace

FUZZ_TARGET(text) {
    const std::size_t size = text.size();
    const std::string upper = data::ToUpperCp1252(text);
    const std::string lower = data::ToLowerCp1252(text);
    FUZZ_CHECK(upper.size() == size && lower.size() == size);
    for (std::size_t i = 0; i < size; ++i) {
        FUZZ_CHECK(upper[i] == data::UpperCp1252(text[i]) && upper[i] == Partner(text[i], true));
        FUZZ_CHECK(lower[i] == data::LowerCp1252(text[i]) && lower[i] == Partner(text[i], false));
    }

    // Every byte string survives the trip to Qt and back.
    const QString shown = ui::ToQt(text);
    FUZZ_CHECK(shown.size() == static_cast<qsizetype>(size));
    FUZZ_CHECK(ui::FromQt(shown) == text);

    // Any UTF-16 text: a character cp1252 holds becomes its byte, any other one "?".
    const QString typed = QString::fromStdU16String(Utf16Units(text));
    const std::string stored = ui::FromQt(typed);
    FUZZ_CHECK(stored.size() <= static_cast<std::size_t>(typed.size()));
    std::size_t unknown = 0;
    for (const char32_t code : typed.toUcs4()) {
        unknown += cp1252::FromUnicode(code) < 0 ? 1 : 0;
    }
    FUZZ_CHECK(static_cast<std::size_t>(std::count(stored.begin(), stored.end(), '?')) >= unknown);
    FUZZ_CHECK(ui::FromQt(ui::ToQt(stored)) == stored);
}

#include "crossword/BoxText.h"

#include "data/WordLetters.h"

namespace zorvane::crossword {
namespace {

bool IsAllowed(char16_t c) {
    return data::IsWordLetter(c) || c == u' ' || c == u'?';
}

} // namespace

QString AllowedCharacters(const QString& text) {
    QString kept;
    for (const QChar c : text) {
        if (IsAllowed(c.unicode())) {
            kept += c;
        }
    }
    return kept;
}

QString FirstUpper(const QString& text) {
    return text.left(1).toUpper();
}

} // namespace zorvane::crossword

#include "crossword/BoxText.h"

namespace zorvane::crossword {
namespace {

bool IsAllowed(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u' ' || c == u'?';
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

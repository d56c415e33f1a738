#include "nearwords/TypedLetters.h"

#include "data/WordLetters.h"

namespace zorvane::nearwords {
namespace {

bool IsLetter(char16_t code) {
    return data::IsWordLetter(code);
}

} // namespace

bool IsRefusedCharacter(QChar c) {
    const char16_t code = c.unicode();
    const bool control = code < 32 || code == 127; // Delete comes as 127 on some desktops
    return !control && !IsLetter(code);
}

QString OnlyLetters(const QString& text) {
    QString kept;
    for (const QChar c : text) {
        if (IsLetter(c.unicode()) && kept.size() < kMaxTypedLetters) {
            kept += c;
        }
    }
    return kept;
}

QString RefusedCharacterMessage() {
    return QStringLiteral("Caractère non valide.\r\nSeules les lettres de A à Z, sans accent, "
                          "sont acceptées.");
}

} // namespace zorvane::nearwords

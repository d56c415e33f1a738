#pragma once
// What a letter box of the crossword window may hold: one letter, a blank or "?".

#include <QString>

namespace zorvane::crossword {

inline const QString kUnknownBox = QStringLiteral("?");

// The text without the characters other than the letters A to Z of either case, the blank
// and "?" (pasted text may hold anything).
QString AllowedCharacters(const QString& text);

// The first character, upper-cased: a box keeps one place.
QString FirstUpper(const QString& text);

} // namespace zorvane::crossword

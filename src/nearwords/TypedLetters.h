#pragma once
// What the word box of the near-word window accepts: letters A to Z of either case, at most
// 13 of them, whether typed or pasted.

#include "nearwords/NearWordSearch.h"

#include <QString>

namespace zorvane::nearwords {

// Control characters (Backspace, Enter, shortcuts) pass; every other character but the
// letters A to Z, small or capital, is refused.
bool IsRefusedCharacter(QChar c);

// Only the letters A to Z of the text (pasted text holds blanks, tabs, line breaks...),
// cut at the box's limit.
QString OnlyLetters(const QString& text);

QString RefusedCharacterMessage();

} // namespace zorvane::nearwords

#pragma once
// The anagram window's colours and the longest draw its box takes, shared by the code that
// builds the window and the code that answers it.

#include "anagram/AnagramSearch.h"

#include <QColor>

namespace zorvane::anagram::look {

inline const QColor kWhite(255, 255, 255);
inline const QColor kSearchingGrey(192, 192, 192);
inline const QColor kEmptyGrey(224, 224, 224);
inline constexpr int kMaxDrawOnScreen = static_cast<int>(kMaxDraw); // the search's own limit

} // namespace zorvane::anagram::look

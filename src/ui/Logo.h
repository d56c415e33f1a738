#pragma once
// Zorvane's own pictures, drawn rather than shipped: the letter-tile logo.

#include <QPixmap>

namespace zorvane::ui {

// A square letter tile showing "Z" with its value, side pixels wide.
QPixmap ZorvaneLogo(int side);

} // namespace zorvane::ui

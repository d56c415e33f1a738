#pragma once
// Windows without a title bar follow the mouse when their background or a label is
// pressed, as if their title bar had been grabbed.

class QWidget;

namespace zorvane::ui {

// Pressing the left button on handle moves window (handle may be the window itself).
void MoveWindowByDragging(QWidget* handle, QWidget* window);

} // namespace zorvane::ui

#pragma once
// Windows without a title bar follow the mouse when their background or a label is
// pressed, as if their title bar had been grabbed; inside the main window it is the child
// window holding the form that moves.

class QWidget;

namespace zorvane::ui {

// Pressing a mouse button on handle and moving the mouse moves form's window (handle may
// be the form itself).
void MoveWindowByDragging(QWidget* handle, QWidget* form);

} // namespace zorvane::ui

#pragma once
// Pressing any mouse button on a handle and moving the mouse moves the whole window, as
// dragging its title bar would; inside the main window that is the child window holding
// the form.

class QWidget;

namespace zorvane::check {

void MoveWindowWithHandle(QWidget* handle, QWidget* form);

} // namespace zorvane::check

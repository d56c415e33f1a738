#pragma once
// Helpers shared by the forms of the tool windows.

#include <QMdiSubWindow>
#include <QWidget>

namespace zorvane::ui {

// Unloads a tool form: closes the child window that holds it (or the form itself when it
// stands alone), which destroys it; the next click loads it afresh.
inline void CloseForm(QWidget* form) {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(form->parentWidget())) {
        sub->close();
    } else {
        form->close();
    }
}

} // namespace zorvane::ui

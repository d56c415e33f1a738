#include "ui/ToolLook.h"

#include <QPalette>
#include <QWidget>

namespace zorvane::ui {

void SetToolLook(QWidget* form) {
    form->setAutoFillBackground(true);
    QPalette white = form->palette();
    white.setColor(QPalette::Window, Qt::white);
    form->setPalette(white);
}

} // namespace zorvane::ui

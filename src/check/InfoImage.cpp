#include "check/InfoImage.h"

#include "ui/ToolIcons.h"

#include <QMouseEvent>

namespace zorvane::check {

InfoImage::InfoImage(QWidget* parent) : QLabel(parent) {
    setPixmap(ui::DrawToolIcon(ui::ToolIcon::About).pixmap(22, 22));
    setToolTip(QStringLiteral("Information"));
    setCursor(Qt::PointingHandCursor);
}

// Taken here, so the press does not start a window move underneath.
void InfoImage::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void InfoImage::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

} // namespace zorvane::check

#include "ui/CheckImage.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace zorvane::ui {
namespace {

constexpr int kSide = 15; // pixels

QPixmap Draw(CheckPicture picture, const QColor& mark) {
    QPixmap pixmap(kSide, kSide);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    if (picture == CheckPicture::EmptyBox) {
        painter.setPen(QPen(QColor(96, 96, 96), 1));
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(0.5, 0.5, kSide - 1, kSide - 1));
    } else {
        painter.setPen(QPen(mark, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const QPointF tick[] = {{3.0, 7.5}, {6.0, 11.0}, {12.0, 3.5}};
        painter.drawPolyline(tick, 3);
    }
    return pixmap;
}

} // namespace

CheckImage::CheckImage(CheckPicture picture, const QColor& mark, QWidget* parent) : QLabel(parent) {
    setPixmap(Draw(picture, mark));
    setFixedSize(kSide, kSide);
    setCursor(Qt::PointingHandCursor);
}

void CheckImage::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

} // namespace zorvane::ui

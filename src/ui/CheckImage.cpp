#include "ui/CheckImage.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace zorvane::ui {
namespace {

constexpr int kSide = 15; // pixels

QPixmap EmptyBoxPicture() {
    QPixmap pixmap(kSide, kSide);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(96, 96, 96), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(0.5, 0.5, kSide - 1, kSide - 1));
    return pixmap;
}

} // namespace

QPixmap CheckMarkPicture(int side, const QColor& colour) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // Proportions of the 15-pixel tick the check boxes were drawn with.
    painter.setPen(QPen(colour, side * 0.147, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(
        QPolygonF({QPointF(side * 0.20, side * 0.50), QPointF(side * 0.40, side * 0.73),
                   QPointF(side * 0.80, side * 0.23)}));
    return pixmap;
}

CheckImage::CheckImage(CheckPicture picture, const QColor& mark, QWidget* parent) : QLabel(parent) {
    setPixmap(picture == CheckPicture::EmptyBox ? EmptyBoxPicture()
                                                : CheckMarkPicture(kSide, mark));
    setFixedSize(kSide, kSide);
    setCursor(Qt::PointingHandCursor);
}

void CheckImage::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

void CheckImage::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        emit spacePressed();
        return;
    }
    QLabel::keyPressEvent(event);
}

void CheckImage::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(QRectF(1, 1, width() - 2, height() - 2));
    }
}

} // namespace zorvane::ui

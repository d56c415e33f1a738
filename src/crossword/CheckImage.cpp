#include "crossword/CheckImage.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace zorvane::crossword {
namespace {

constexpr int kPixels = 16;

QPixmap Paint(CheckImage::Picture picture) {
    QPixmap pixmap(kPixels, kPixels);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    if (picture == CheckImage::Picture::EmptyBox) {
        painter.setPen(QColor(64, 64, 64));
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(1.5, 1.5, kPixels - 3, kPixels - 3));
        return pixmap;
    }
    painter.setPen(QPen(QColor(128, 0, 0), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QPolygonF({{4.0, 8.0}, {7.0, 11.5}, {12.5, 4.0}}));
    return pixmap;
}

} // namespace

CheckImage::CheckImage(Picture picture, QWidget* parent) : QLabel(parent) {
    setPixmap(Paint(picture));
    setFixedSize(kPixels, kPixels);
    setCursor(Qt::PointingHandCursor);
}

void CheckImage::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit clicked();
    }
}

} // namespace zorvane::crossword

#include "ui/Logo.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace zorvane::ui {

QPixmap ZorvaneLogo(int side) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF tile(side * 0.04, side * 0.04, side * 0.92, side * 0.92);
    QLinearGradient wood(tile.topLeft(), tile.bottomRight());
    wood.setColorAt(0.0, QColor(0xF6, 0xE3, 0xB4));
    wood.setColorAt(1.0, QColor(0xD9, 0xB8, 0x73));
    QPainterPath outline;
    outline.addRoundedRect(tile, side * 0.12, side * 0.12);
    painter.fillPath(outline, wood);
    painter.setPen(QPen(QColor(0x8A, 0x6A, 0x2E), side * 0.03));
    painter.drawPath(outline);

    QFont letterFont(QStringLiteral("DejaVu Serif"));
    letterFont.setBold(true);
    letterFont.setPixelSize(static_cast<int>(side * 0.62));
    painter.setFont(letterFont);
    painter.setPen(QColor(0x2B, 0x1D, 0x0E));
    painter.drawText(tile.adjusted(0, -side * 0.04, -side * 0.08, 0), Qt::AlignCenter,
                     QStringLiteral("Z"));

    QFont valueFont(QStringLiteral("DejaVu Sans"));
    valueFont.setBold(true);
    valueFont.setPixelSize(static_cast<int>(side * 0.17));
    painter.setFont(valueFont);
    painter.drawText(tile.adjusted(0, 0, -side * 0.09, -side * 0.07),
                     Qt::AlignRight | Qt::AlignBottom, QStringLiteral("10"));
    return pixmap;
}

} // namespace zorvane::ui

#include "ui/ToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace zorvane::ui {
namespace {

struct IconLook {
    QColor tile;
    QString glyph;
    double glyphScale;
};

IconLook LookOf(ToolIcon icon) {
    switch (icon) {
    case ToolIcon::Quit:
        return {QColor(0xC0, 0x39, 0x2B), QStringLiteral("✕"), 0.55};
    case ToolIcon::About:
        return {QColor(0x29, 0x80, 0xB9), QStringLiteral("i"), 0.62};
    case ToolIcon::Options:
        return {QColor(0x7F, 0x8C, 0x8D), QStringLiteral("⚙"), 0.62};
    case ToolIcon::Communes:
        return {QColor(0x27, 0xAE, 0x60), QStringLiteral("⌂"), 0.7}; // a town, not a letter
    case ToolIcon::Scrabble:
        return {QColor(0xD9, 0xB8, 0x73), QStringLiteral("S"), 0.6};
    case ToolIcon::Synonyms:
        return {QColor(0x8E, 0x44, 0xAD), QStringLiteral("⇄"), 0.6};
    case ToolIcon::Dictionary:
        return {QColor(0x2C, 0x3E, 0x50), QStringLiteral("Ab"), 0.45};
    case ToolIcon::Anagrams:
        return {QColor(0xE6, 0x7E, 0x22), QStringLiteral("?A"), 0.45};
    case ToolIcon::NearWords:
        return {QColor(0x16, 0xA0, 0x85), QStringLiteral("≈"), 0.7};
    case ToolIcon::Crossword:
        return {QColor(0x34, 0x49, 0x5E), QStringLiteral("▦"), 0.62};
    }
    return {Qt::gray, QString(), 0.5};
}

QPixmap DrawAt(const IconLook& look, int side, bool enabled) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF tile(side * 0.06, side * 0.06, side * 0.88, side * 0.88);
    QPainterPath outline;
    outline.addRoundedRect(tile, side * 0.18, side * 0.18);
    painter.fillPath(outline, enabled ? look.tile : QColor(0xB0, 0xB0, 0xB0));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(static_cast<int>(side * look.glyphScale));
    painter.setFont(font);
    painter.setPen(look.tile.lightness() > 150 ? QColor(0x2B, 0x1D, 0x0E) : Qt::white);
    painter.drawText(tile, Qt::AlignCenter, look.glyph);
    return pixmap;
}

} // namespace

QIcon DrawToolIcon(ToolIcon icon) {
    const IconLook look = LookOf(icon);
    QIcon drawn;
    for (const int side : {16, 24, 32, 48}) {
        drawn.addPixmap(DrawAt(look, side, true), QIcon::Normal);
        drawn.addPixmap(DrawAt(look, side, false), QIcon::Disabled);
    }
    return drawn;
}

} // namespace zorvane::ui

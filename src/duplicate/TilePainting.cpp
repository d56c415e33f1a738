#include "duplicate/TilePainting.h"

#include <QPainter>

namespace zorvane::duplicate {
namespace {

QColor SquareColour(board::Premium premium) {
    switch (premium) {
    case board::Premium::TripleWord:
        return {210, 60, 50};
    case board::Premium::DoubleWord:
        return {244, 166, 160};
    case board::Premium::TripleLetter:
        return {47, 127, 193};
    case board::Premium::DoubleLetter:
        return {158, 208, 238};
    case board::Premium::None:
        break;
    }
    return {206, 226, 196};
}

QColor TileColour(TileLook look) {
    switch (look) {
    case TileLook::Typed:
        return {255, 236, 130};
    case TileLook::Looked:
        return {150, 230, 170};
    case TileLook::Played:
        break;
    }
    return {246, 227, 180};
}

QFont Sized(const QPainter& painter, qreal pixels, bool bold) {
    QFont font = painter.font();
    font.setPixelSize(std::max(1, static_cast<int>(pixels)));
    font.setBold(bold);
    return font;
}

} // namespace

const char* PremiumLabel(board::Premium premium) {
    switch (premium) {
    case board::Premium::TripleWord:
        return "MT";
    case board::Premium::DoubleWord:
        return "MD";
    case board::Premium::TripleLetter:
        return "LT";
    case board::Premium::DoubleLetter:
        return "LD";
    case board::Premium::None:
        break;
    }
    return "";
}

void PaintSquare(QPainter& painter, const QRectF& square, board::Premium premium) {
    painter.fillRect(square, SquareColour(premium));
    painter.setPen(QColor(90, 110, 90));
    painter.drawRect(square);
    const bool dark =
        premium == board::Premium::TripleWord || premium == board::Premium::TripleLetter;
    painter.setPen(dark ? Qt::white : QColor(40, 40, 60));
    painter.setFont(Sized(painter, square.height() * 0.34, true));
    painter.drawText(square, Qt::AlignCenter, QString::fromLatin1(PremiumLabel(premium)));
}

void PaintTile(QPainter& painter, const QRectF& square, char tile, TileLook look) {
    const QRectF face = square.adjusted(1.5, 1.5, -1.5, -1.5);
    painter.setPen(QPen(look == TileLook::Played ? QColor(138, 106, 46) : QColor(60, 60, 60),
                        look == TileLook::Played ? 1.0 : 2.0));
    painter.setBrush(TileColour(look));
    painter.drawRoundedRect(face, face.width() * 0.12, face.width() * 0.12);
    const bool joker = board::IsJokerTile(tile) || tile == board::kJoker;
    // A joker shows the letter it stands for in red, and no value.
    painter.setPen(joker ? QColor(190, 30, 30) : QColor(43, 29, 14));
    painter.setFont(Sized(painter, face.height() * 0.62, true));
    const QString letter(QChar(tile == board::kJoker ? '?' : board::LetterOf(tile)));
    painter.drawText(face.adjusted(0, 0, -face.width() * 0.12, 0), Qt::AlignCenter, letter);
    if (!joker) {
        painter.setFont(Sized(painter, face.height() * 0.28, true));
        painter.drawText(face.adjusted(0, 0, -face.width() * 0.08, -face.height() * 0.02),
                         Qt::AlignRight | Qt::AlignBottom, QString::number(board::TileValue(tile)));
    }
    painter.setBrush(Qt::NoBrush);
}

} // namespace zorvane::duplicate

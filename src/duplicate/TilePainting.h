#pragma once
// How the board's squares and tiles look, shared by the board and the draw: premium squares
// in the colours players know, with their labels; tiles with their letter and value.

#include "board/Board.h"

#include <QColor>
#include <QRectF>

class QPainter;

namespace zorvane::duplicate {

// Whose tile it is: on the board, typed by the player, looked at in the analysis.
enum class TileLook { Played, Typed, Looked };

void PaintSquare(QPainter& painter, const QRectF& square, board::Premium premium);
// tile: a capital, a small letter for a joker on the board, "?" for a joker in a draw.
void PaintTile(QPainter& painter, const QRectF& square, char tile, TileLook look);

// "MT", "MD", "LT", "LD", or empty.
const char* PremiumLabel(board::Premium premium);

} // namespace zorvane::duplicate

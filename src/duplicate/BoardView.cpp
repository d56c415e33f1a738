#include "duplicate/BoardView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace zorvane::duplicate {
namespace {

// One band of a square's width holds the row letters on the left, the column numbers on top.
constexpr int kBands = board::kSize + 1;

bool Across(const board::Placement& placement) {
    return placement.direction == board::Direction::Across;
}

} // namespace

BoardView::BoardView(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(kBands * 24, kBands * 24);
    setAccessibleName(QStringLiteral("Plateau"));
}

QSize BoardView::sizeHint() const {
    return {kBands * 38, kBands * 38};
}

void BoardView::SetPosition(const board::Position& position) {
    position_ = position;
    update();
}

void BoardView::ShowMove(const std::optional<board::Move>& move, TileLook look) {
    shown_ = move;
    shownLook_ = look;
    update();
}

void BoardView::MarkLastMove(const std::optional<board::Move>& move) {
    last_ = move;
    update();
}

void BoardView::SetTyping(bool enabled, const std::string& draw) {
    typingEnabled_ = enabled;
    draw_ = draw;
    ClearTyping();
}

void BoardView::ClearTyping() {
    typing_ = {cursor_, {}};
    update();
}

QString BoardView::Entry() const {
    return QString::fromLatin1(TypedEntry(position_, typing_));
}

qreal BoardView::SquareSize() const {
    return std::min(width(), height()) / static_cast<qreal>(kBands);
}

// The board sits in the middle of the widget.
QPointF BoardView::Origin() const {
    const qreal side = SquareSize() * kBands;
    return {(width() - side) / 2, (height() - side) / 2};
}

QRectF BoardView::SquareRect(int row, int column) const {
    const qreal size = SquareSize();
    return QRectF((column + 1) * size, (row + 1) * size, size, size).translated(Origin());
}

void BoardView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal size = SquareSize();
    painter.fillRect(QRectF(Origin(), QSizeF(kBands * size, kBands * size)), QColor(31, 107, 69));
    QFont names = painter.font();
    names.setPixelSize(std::max(1, static_cast<int>(size * 0.42)));
    names.setBold(true);
    painter.setFont(names);
    painter.setPen(Qt::white);
    for (int i = 0; i < board::kSize; ++i) {
        painter.drawText(QRectF(0, (i + 1) * size, size, size).translated(Origin()),
                         Qt::AlignCenter, QString(QChar(board::RowName(i))));
        painter.drawText(QRectF((i + 1) * size, 0, size, size).translated(Origin()),
                         Qt::AlignCenter, QString::number(i + 1));
    }
    for (int row = 0; row < board::kSize; ++row) {
        for (int column = 0; column < board::kSize; ++column) {
            const QRectF square = SquareRect(row, column);
            PaintSquare(painter, square, board::PremiumAt(row, column));
            if (!position_.IsEmpty(row, column)) {
                PaintTile(painter, square, position_.At(row, column), TileLook::Played);
            }
        }
    }
    if (shown_) {
        for (int i = 0; i < static_cast<int>(shown_->word.size()); ++i) {
            const int row = board::RowOf(shown_->placement, i);
            const int column = board::ColumnOf(shown_->placement, i);
            if (row < board::kSize && column < board::kSize && position_.IsEmpty(row, column)) {
                PaintTile(painter, SquareRect(row, column),
                          shown_->word[static_cast<std::size_t>(i)], shownLook_);
            }
        }
    }
    if (last_) {
        painter.setPen(QPen(QColor(198, 40, 40), 3));
        for (int i = 0; i < static_cast<int>(last_->word.size()); ++i) {
            painter.drawRect(
                SquareRect(board::RowOf(last_->placement, i), board::ColumnOf(last_->placement, i))
                    .adjusted(1.5, 1.5, -1.5, -1.5));
        }
    }
    if (typingEnabled_ && cursor_.row < board::kSize && cursor_.column < board::kSize) {
        // The cursor: a frame and an arrow the way the word runs.
        const QRectF square = SquareRect(cursor_.row, cursor_.column);
        painter.setPen(QPen(hasFocus() ? QColor(255, 140, 0) : QColor(120, 120, 120), 3));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(square.adjusted(1, 1, -1, -1));
        QPainterPath arrow;
        const QPointF centre = square.center();
        const qreal a = size * 0.22;
        if (Across(cursor_)) {
            arrow.moveTo(centre + QPointF(a, 0));
            arrow.lineTo(centre + QPointF(-a * 0.6, -a * 0.8));
            arrow.lineTo(centre + QPointF(-a * 0.6, a * 0.8));
        } else {
            arrow.moveTo(centre + QPointF(0, a));
            arrow.lineTo(centre + QPointF(-a * 0.8, -a * 0.6));
            arrow.lineTo(centre + QPointF(a * 0.8, -a * 0.6));
        }
        arrow.closeSubpath();
        painter.fillPath(arrow, QColor(255, 140, 0, 200));
    }
}

void BoardView::MoveCursor(int rows, int columns) {
    cursor_.row = std::clamp(cursor_.row + rows, 0, board::kSize - 1);
    cursor_.column = std::clamp(cursor_.column + columns, 0, board::kSize - 1);
    ClearTyping();
    Changed();
}

void BoardView::TypeLetter(char letter) {
    const board::Placement next = NextSquare(position_, typing_);
    if (next.row >= board::kSize || next.column >= board::kSize) {
        return; // the word has reached the edge
    }
    typing_.letters.push_back(TileForLetter(draw_, typing_.letters, letter));
    Changed();
}

void BoardView::Changed() {
    const board::Placement next = NextSquare(position_, typing_);
    if (!typing_.letters.empty() && next.row < board::kSize && next.column < board::kSize) {
        cursor_.row = next.row;
        cursor_.column = next.column;
    } else if (!typing_.letters.empty()) {
        // Past the edge: the cursor stays on the last square of the board.
        cursor_.row = std::min(next.row, board::kSize - 1);
        cursor_.column = std::min(next.column, board::kSize - 1);
    }
    update();
    emit EntryChanged(Entry());
}

void BoardView::keyPressEvent(QKeyEvent* event) {
    if (!typingEnabled_) {
        QWidget::keyPressEvent(event);
        return;
    }
    const QString text = event->text();
    switch (event->key()) {
    case Qt::Key_Left:
        return MoveCursor(0, -1);
    case Qt::Key_Right:
        return MoveCursor(0, 1);
    case Qt::Key_Up:
        return MoveCursor(-1, 0);
    case Qt::Key_Down:
        return MoveCursor(1, 0);
    case Qt::Key_Space:
        cursor_.direction = Across(cursor_) ? board::Direction::Down : board::Direction::Across;
        if (!typing_.letters.empty()) {
            cursor_.row = typing_.start.row;
            cursor_.column = typing_.start.column;
        }
        return MoveCursor(0, 0);
    case Qt::Key_Backspace:
        if (!typing_.letters.empty()) {
            typing_.letters.pop_back();
            if (typing_.letters.empty()) {
                cursor_.row = typing_.start.row;
                cursor_.column = typing_.start.column;
            }
            Changed();
        }
        return;
    case Qt::Key_Escape:
        if (!typing_.letters.empty()) {
            cursor_.row = typing_.start.row;
            cursor_.column = typing_.start.column;
            ClearTyping();
            Changed();
            return;
        }
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
            emit Proposed();
            return;
        }
        break;
    default:
        if (text.size() == 1 && text[0].isLetter() && text[0].toUpper().unicode() >= 'A' &&
            text[0].toUpper().unicode() <= 'Z' && event->modifiers() != Qt::ControlModifier) {
            if (typing_.letters.empty()) {
                typing_.start = cursor_;
            }
            return TypeLetter(static_cast<char>(text[0].toUpper().unicode()));
        }
    }
    QWidget::keyPressEvent(event);
}

void BoardView::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    const qreal size = SquareSize();
    const QPointF at = event->position() - Origin();
    const int column = static_cast<int>(std::floor(at.x() / size)) - 1;
    const int row = static_cast<int>(std::floor(at.y() / size)) - 1;
    if (!typingEnabled_ || row < 0 || row >= board::kSize || column < 0 || column >= board::kSize) {
        return;
    }
    // A second click on the cursor's square turns the direction.
    if (row == cursor_.row && column == cursor_.column && typing_.letters.empty()) {
        cursor_.direction = Across(cursor_) ? board::Direction::Down : board::Direction::Across;
    }
    cursor_.row = row;
    cursor_.column = column;
    ClearTyping();
    Changed();
}

} // namespace zorvane::duplicate

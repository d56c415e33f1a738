#pragma once
// The board on screen: 15 x 15 squares with their premiums labelled, row letters A to O and
// column numbers 1 to 15, the tiles played, and a move shown over them without being played
// (the one the player types, or one looked at in the analysis). With the keyboard focus it
// takes a move: arrows move the cursor, letters go on the board from it, Backspace takes the
// last one back, Space (or a second click on the cursor's square) turns the direction,
// Escape clears, Enter proposes.

#include "board/Move.h"
#include "duplicate/BoardTyping.h"
#include "duplicate/TilePainting.h"

#include <QWidget>
#include <optional>

namespace zorvane::duplicate {

class BoardView final : public QWidget {
    Q_OBJECT
public:
    explicit BoardView(QWidget* parent = nullptr);

    void SetPosition(const board::Position& position);
    const board::Position& Position() const { return position_; }
    // The move drawn over the position, in the look given; nothing hides it.
    void ShowMove(const std::optional<board::Move>& move, TileLook look);
    // The tiles of the last move played get a frame.
    void MarkLastMove(const std::optional<board::Move>& move);
    // Whether keys and clicks type a move, and the draw the letters come from.
    void SetTyping(bool enabled, const std::string& draw);
    void ClearTyping();

    const board::Placement& Cursor() const { return cursor_; }
    const std::optional<board::Move>& ShownMove() const { return shown_; }
    // "H4 MOTS" for what is typed; empty when nothing is.
    QString Entry() const;

signals:
    void EntryChanged(const QString& entry);
    void Proposed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    QSize sizeHint() const override;

private:
    qreal SquareSize() const;
    QPointF Origin() const;
    QRectF SquareRect(int row, int column) const;
    void MoveCursor(int rows, int columns);
    void TypeLetter(char letter);
    void Changed();

    board::Position position_;
    std::optional<board::Move> shown_;
    TileLook shownLook_ = TileLook::Typed;
    std::optional<board::Move> last_;
    bool typingEnabled_ = false;
    std::string draw_;
    board::Placement cursor_{board::Direction::Across, board::kCentre, board::kCentre};
    BoardTyping typing_;
};

} // namespace zorvane::duplicate

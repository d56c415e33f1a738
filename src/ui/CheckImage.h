#pragma once
// The check mark drawn at any size, and one of the two pictures that make a window's check
// box: the empty box underneath and the check mark laid over it; each answers a click.

#include <QColor>
#include <QLabel>
#include <QPixmap>

namespace zorvane::ui {

// A tick filling a transparent square of `side` pixels; the loading screen and the check
// boxes share it so that every tick of the program has one shape.
QPixmap CheckMarkPicture(int side, const QColor& colour);

enum class CheckPicture { EmptyBox, CheckMark };

class CheckImage final : public QLabel {
    Q_OBJECT
public:
    CheckImage(CheckPicture picture, const QColor& mark, QWidget* parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace zorvane::ui

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

// Given a focus policy, the picture is reached with Tab, shows the focus by its border and
// answers the space bar as a check box does.
class CheckImage final : public QLabel {
    Q_OBJECT
public:
    CheckImage(CheckPicture picture, const QColor& mark, QWidget* parent);

signals:
    void clicked();
    void spacePressed();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace zorvane::ui

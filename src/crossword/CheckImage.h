#pragma once
// One of the two pictures of the window's check box, answering a click: the empty box
// underneath, the check mark laid over it.

#include <QLabel>

namespace zorvane::crossword {

class CheckImage final : public QLabel {
    Q_OBJECT
public:
    enum class Picture { EmptyBox, CheckMark };
    CheckImage(Picture picture, QWidget* parent);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace zorvane::crossword

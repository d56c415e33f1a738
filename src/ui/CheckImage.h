#pragma once
// One of the two pictures that make a window's check box: the empty box underneath and the
// check mark laid over it; each answers a click.

#include <QColor>
#include <QLabel>

namespace zorvane::ui {

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

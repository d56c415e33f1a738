#pragma once
// A small picture that answers a click, as the joker check box's two images do: the empty
// box and the check mark drawn over it.

#include <QLabel>

namespace zorvane::anagram {

enum class CheckPicture { EmptyBox, CheckMark };

class ClickableImage final : public QLabel {
    Q_OBJECT
public:
    ClickableImage(CheckPicture picture, QWidget* parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace zorvane::anagram

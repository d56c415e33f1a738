#pragma once
// A small information picture that answers a click, as the check windows show beside a word
// that exists but is not admitted at Scrabble.

#include <QLabel>

namespace zorvane::check {

class InfoImage final : public QLabel {
    Q_OBJECT
public:
    explicit InfoImage(QWidget* parent);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace zorvane::check

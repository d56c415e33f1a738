#pragma once
// The draw on screen: its tiles with their values, the tiles kept from the last move first,
// then a gap, then the tiles just taken from the bag.

#include "duplicate/DrawRule.h"

#include <QWidget>

namespace zorvane::duplicate {

class DrawView final : public QWidget {
    Q_OBJECT
public:
    explicit DrawView(QWidget* parent = nullptr);
    void SetDraw(const Draw& draw);

protected:
    void paintEvent(QPaintEvent* event) override;
    QSize sizeHint() const override;

private:
    Draw draw_;
};

} // namespace zorvane::duplicate

#include "duplicate/DrawView.h"

#include "duplicate/TilePainting.h"

#include <QPainter>

namespace zorvane::duplicate {
namespace {

constexpr qreal kGap = 0.5; // between kept and new tiles, in tiles

} // namespace

DrawView::DrawView(QWidget* parent) : QWidget(parent) {
    setMinimumHeight(36);
}

QSize DrawView::sizeHint() const {
    return {8 * 46, 46};
}

void DrawView::SetDraw(const Draw& draw) {
    draw_ = draw;
    update();
}

void DrawView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal size = std::min<qreal>(height(), width() / (kDrawSize + kGap));
    qreal left = 0;
    for (std::size_t i = 0; i < draw_.kept.size() + draw_.added.size(); ++i) {
        if (i == draw_.kept.size() && !draw_.kept.empty()) {
            left += kGap * size;
        }
        const char tile =
            i < draw_.kept.size() ? draw_.kept[i] : draw_.added[i - draw_.kept.size()];
        PaintTile(painter, QRectF(left, 0, size, size), tile, TileLook::Played);
        left += size;
    }
}

} // namespace zorvane::duplicate

#pragma once
// Whether a label shows its whole text: each line (wrapped where the label wraps) within
// its width and all of them within its height.

#include <QFontMetricsF>
#include <QLabel>

namespace zorvane::testing {

inline bool ShowsWholeText(QLabel* label) {
    label->ensurePolished();
    const QRectF room = label->contentsRect();
    const QRectF needed =
        QFontMetricsF(label->font())
            .boundingRect(room,
                          (label->wordWrap() ? Qt::TextWordWrap : 0) | int(label->alignment()),
                          label->text());
    return needed.width() <= room.width() && needed.height() <= room.height();
}

} // namespace zorvane::testing

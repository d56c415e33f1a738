#include "ui/FitText.h"

#include <QFontMetrics>
#include <QLabel>

namespace zorvane::ui {
namespace {

constexpr int kSmallestPoints = 6;
const char* const kBasePoints = "zorvaneBasePoints"; // the size before any shrinking

} // namespace

void SetFittingText(QLabel* label, const QString& text) {
    label->ensurePolished();
    QFont font = label->font();
    if (!label->property(kBasePoints).isValid()) {
        label->setProperty(kBasePoints, font.pointSizeF());
    }
    font.setPointSizeF(label->property(kBasePoints).toDouble());
    const int room = label->contentsRect().width() - 2 * label->margin();
    while (font.pointSizeF() > kSmallestPoints &&
           QFontMetrics(font).horizontalAdvance(text) > room) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    label->setFont(font);
    label->setText(text);
}

} // namespace zorvane::ui

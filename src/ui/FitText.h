#pragma once
// One-line labels whose text may be longer than the room the layout gives them (a long
// headword in a message): the text is drawn smaller rather than cut.

#include <QString>

class QLabel;

namespace zorvane::ui {

// Sets the text at the label's own size, or at the largest smaller size at which it fits
// the label's width (not below 6 points).
void SetFittingText(QLabel* label, const QString& text);

} // namespace zorvane::ui

#pragma once
// Shows a read rich-text document in a Qt text box.

#include "ui/RtfReader.h"

class QTextEdit;

namespace zorvane::ui {

// Replaces the box's content; an unreadable or missing file leaves it empty.
void LoadRtfFile(QTextEdit* box, const std::string& path);
void ShowRtf(QTextEdit* box, const RtfDocument& document);

} // namespace zorvane::ui

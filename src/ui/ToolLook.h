#pragma once
// The look every tool window shares: white behind its controls (their search buttons carry
// their tool's icon, see ToolIcons.h).

class QWidget;

namespace zorvane::ui {

void SetToolLook(QWidget* form);

} // namespace zorvane::ui

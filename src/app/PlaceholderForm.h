#pragma once
// Stands in for a tool window that is not built yet, so the tool bar is whole.

#include <QWidget>

namespace zorvane::app {

class PlaceholderForm final : public QWidget {
    Q_OBJECT
public:
    explicit PlaceholderForm(const QString& caption);
};

} // namespace zorvane::app

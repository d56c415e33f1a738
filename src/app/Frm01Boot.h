#pragma once
// The splash window: refuses a second copy, sets the start-up values, reads the colours,
// then hands over to the next window.

#include "data/StartupValues.h"
#include "ui/Platform.h"

#include <QLabel>
#include <QWidget>
#include <functional>

namespace zorvane::app {

class Frm01Boot final : public QWidget {
    Q_OBJECT
public:
    Frm01Boot(ui::Platform& platform, data::StartupValues& values, std::function<void()> handOver);

    // The load handler; false when this copy must end (another one runs).
    bool Load();

    // What the user is told when the single-copy lock cannot be made in folder.
    static QString LockUnavailableMessage(const QString& folder);

    QLabel* LblVersion;
    QLabel* ImgLogo;

private:
    void TimRegTick();
    void TimFinTick();

    ui::Platform& platform_;
    data::StartupValues& values_;
    std::function<void()> handOver_;
    std::unique_ptr<ui::Timer> TimReg;
    std::unique_ptr<ui::Timer> TimFin;
};

} // namespace zorvane::app

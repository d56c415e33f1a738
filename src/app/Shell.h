#pragma once
// The program's run from the splash window to the main window, and what they share.

#include "app/Frm01Boot.h"
#include "app/MDI.h"
#include "app/StartupValues.h"
#include "data/WordStore.h"
#include "ui/Platform.h"

#include <QPointer>

namespace zorvane::app {

class Shell {
public:
    explicit Shell(ui::Platform& platform);
    ~Shell();

    // Loads the splash window; false when this copy ends at once.
    bool Start();

    const StartupValues& Values() const { return values_; }
    const data::WordStore& Store() const { return store_; }
    MDI* MainWindow() const { return mdi_; }

private:
    void LoadWordsAndShowMain();

    ui::Platform& platform_;
    StartupValues values_;
    data::WordStore store_;
    QPointer<Frm01Boot> boot_;
    QPointer<MDI> mdi_;
};

} // namespace zorvane::app

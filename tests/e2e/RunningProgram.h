#pragma once
// The real program in this process: the Qt platform with its timers, pointer, program end
// and embedded resources, the shell on top; only what would block the run or reach the
// desktop (message boxes, clipboard, links, colour dialog, browser, settings, the
// single-instance lock) is recorded instead.

#include "app/MDI.h"
#include "app/Shell.h"
#include "ui/QtPlatform.h"
#include "ui/fake/FakePlatform.h"

#include <QtTest>

namespace zorvane::e2e {

// Long enough for the loader's 31 steps under the sanitizers on a busy machine.
inline constexpr int kLoadTimeoutMs = 60000;
inline constexpr int kSearchTimeoutMs = 20000;

struct RunningProgram {
    ui::QtPlatform real;
    ui::fake::FakeMessageBoxes boxes;
    ui::fake::FakeClipboard clipboard;
    ui::fake::FakeLinkOpener links;
    ui::fake::FakeColourDialog colours;
    ui::fake::FakeHtmlBrowser browser;
    ui::fake::FakeSettingsStore settings;
    ui::fake::FakeSingleInstance instance;
    ui::Platform platform{boxes,
                          real.Services().timers,
                          real.Services().pointer,
                          clipboard,
                          links,
                          colours,
                          browser,
                          settings,
                          real.Services().resources,
                          instance,
                          real.Services().end,
                          ZORVANE_PROGRAM_FOLDER, // holds the definitions file and the licence
                          '/'};
    app::Shell shell{platform};

    app::MDI* Main() const { return shell.MainWindow(); }
    bool Ready() const { return Main() != nullptr && Main()->isVisible(); }

    // A click on the tool's button, and its form as the class it is.
    template <typename Form> Form* Open(app::Tool tool) {
        Main()->ToolButtonOf.at(tool)->click();
        return qobject_cast<Form*>(Main()->ToolForm(tool));
    }
};

} // namespace zorvane::e2e

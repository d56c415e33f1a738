#pragma once
// The real platform: Qt services and the embedded resources, bundled for the windows.

#include "ui/EmbeddedResources.h"
#include "ui/InstanceLock.h"
#include "ui/Platform.h"
#include "ui/QtServices.h"
#include "ui/XdgHtmlBrowser.h"

namespace zorvane::ui {

class QtPlatform {
public:
    QtPlatform();
    Platform& Services() { return platform_; }
    const QtProgramEnd& End() const { return end_; }

private:
    QtMessageBoxes boxes_;
    QtTimerFactory timers_;
    QtMousePointer pointer_;
    QtClipboard clipboard_;
    QtLinkOpener links_;
    QtColourDialog colours_;
    XdgHtmlBrowser browser_;
    QtSettingsStore settings_;
    EmbeddedResources resources_;
    LockFileInstance instance_;
    QtProgramEnd end_;
    Platform platform_;
};

} // namespace zorvane::ui

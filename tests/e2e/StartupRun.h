#pragma once
// The splash window's start-up on the recording platform, with the settings store and the
// single-instance check given: what the user would see up to the loading screen.

#include "app/Frm01Boot.h"
#include "ui/fake/FakePlatform.h"

#include <QCoreApplication>
#include <QPointer>

namespace zorvane::e2e {

struct StartupRun {
    ui::fake::FakePlatform fake;
    ui::Platform platform;
    data::StartupValues values;
    bool handedOver = false;
    QPointer<app::Frm01Boot> boot;

    StartupRun(ui::SettingsStore& settings, ui::SingleInstance& instance)
        : platform{fake.boxes,   fake.timers,        fake.pointer, fake.clipboard, fake.links,
                   fake.colours, fake.browser,       settings,     fake.resources, instance,
                   fake.end,     "/opt/zorvane/bin", '/'} {}
    explicit StartupRun(ui::SettingsStore& settings) : StartupRun(settings, fake.instance) {}
    ~StartupRun() { delete boot; }

    // The splash window's load; false when this copy ends at once.
    bool Load() {
        boot = new app::Frm01Boot(platform, values, [this] { handedOver = true; });
        return boot->Load();
    }

    // Load, then the colours read and the hand-over to the loading screen; true when it came.
    bool RunToLoadingScreen() {
        const bool loaded = Load();
        fake.timers.Advance(600);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return loaded && handedOver;
    }
};

} // namespace zorvane::e2e

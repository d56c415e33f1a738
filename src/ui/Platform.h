#pragma once
// Every platform service a window may use, handed to the windows as one bundle.

#include "ui/Services.h"

#include <string>

namespace zorvane::ui {

struct Platform {
    MessageBoxes& boxes;
    TimerFactory& timers;
    MousePointer& pointer;
    Clipboard& clipboard;
    LinkOpener& links;
    ColourDialog& colours;
    HtmlBrowser& browser;
    SettingsStore& settings;
    const ResourceSource& resources;
    SingleInstance& instance;
    ProgramEnd& end;
    std::string programFolder; // the folder holding the executable, as the platform writes it
    char separator = '/';      // the platform's folder separator
};

} // namespace zorvane::ui

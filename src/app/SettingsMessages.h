#pragma once
// What the user reads when the colours could not be saved: the cause the settings store
// finds, at start-up (the defaults are used) or from the options dialog (the chosen colours
// stay until the program ends).

#include "ui/Services.h"

namespace zorvane::app {

enum class SettingsMoment { Startup, Options };

QString SettingsNotSavedMessage(ui::SettingsFault fault, SettingsMoment moment);

} // namespace zorvane::app

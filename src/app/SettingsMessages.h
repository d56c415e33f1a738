#pragma once
// What the user reads when the colours could not be saved: the cause the settings store
// finds, at start-up (the defaults are used) or from the options dialog (the chosen colours
// stay until the program ends).

#include "app/SavedColours.h"
#include "ui/Services.h"

namespace zorvane::app {

enum class SettingsMoment { Startup, Options };

// defaults: at start-up, the colours in use that are defaults rather than saved ones.
QString SettingsNotSavedMessage(ui::SettingsFault fault, SettingsMoment moment,
                                DefaultsInUse defaults = {});

} // namespace zorvane::app

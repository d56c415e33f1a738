#pragma once
// Reading and saving the two colours through the settings store.

#include "app/StartupValues.h"
#include "ui/Services.h"

namespace zorvane::app {

// CouleurMDI into CouleurFenetre, CouleurBar into CouleurBarre; a missing or unreadable
// value is replaced by its default, which is written back; false when that write failed.
bool ReadSavedColours(ui::SettingsStore& store, StartupValues& values);

// CouleurFenetre to CouleurMDI, then CouleurBarre to CouleurBar; false when the store refused.
bool SaveColours(ui::SettingsStore& store, const StartupValues& values);

} // namespace zorvane::app

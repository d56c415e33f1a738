#pragma once
// Reading and saving the two colours through the settings store.

#include "data/StartupValues.h"
#include "ui/Services.h"

namespace zorvane::app {

// CouleurMDI into CouleurFenetre, CouleurBar into CouleurBarre; a missing or unreadable
// value is replaced by its default, which is written back; false when that write failed
// (what the store held is then kept).
bool ReadSavedColours(ui::SettingsStore& store, data::StartupValues& values);

// CouleurFenetre to CouleurMDI and CouleurBarre to CouleurBar in one save; false when the
// store refused, the colours saved before then kept.
bool SaveColours(ui::SettingsStore& store, const data::StartupValues& values);

} // namespace zorvane::app

#pragma once
// Reading and saving the two colours through the settings store.

#include "data/StartupValues.h"
#include "ui/Services.h"

namespace zorvane::app {

// Which colours start-up took from their defaults, the store lacking a usable value.
struct DefaultsInUse {
    bool fenetre = true;
    bool barre = true;
};

struct ColoursRead {
    bool writtenBack = true; // false when the defaults could not be written to the store
    DefaultsInUse defaults;
};

// First removes what interrupted saves left; then CouleurMDI into CouleurFenetre, CouleurBar
// into CouleurBarre; a missing or unreadable value is replaced by its default, which is
// written back (what the store held is kept when that write fails).
ColoursRead ReadSavedColours(ui::SettingsStore& store, data::StartupValues& values);

// CouleurFenetre to CouleurMDI and CouleurBarre to CouleurBar in one save; false when the
// store refused, the colours saved before then kept.
bool SaveColours(ui::SettingsStore& store, const data::StartupValues& values);

} // namespace zorvane::app

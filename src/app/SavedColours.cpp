#include "app/SavedColours.h"

#include "app/ColourSettings.h"

namespace zorvane::app {
namespace {

std::string ReadOne(ui::SettingsStore& store, std::string_view key, std::string_view fallback,
                    bool& written) {
    StoredColour colour = ResolveColour(store.Get(kSettingsApp, kSettingsSection, key), fallback);
    if (colour.writeBack && !store.Save(kSettingsApp, kSettingsSection, key, colour.text)) {
        written = false;
    }
    return std::move(colour.text);
}

} // namespace

bool ReadSavedColours(ui::SettingsStore& store, StartupValues& values) {
    bool written = true;
    values.CouleurFenetre = ReadOne(store, kKeyCouleurMDI, kDefaultCouleurMDI, written);
    values.CouleurBarre = ReadOne(store, kKeyCouleurBar, kDefaultCouleurBar, written);
    return written;
}

bool SaveColours(ui::SettingsStore& store, const StartupValues& values) {
    const bool window =
        store.Save(kSettingsApp, kSettingsSection, kKeyCouleurMDI, values.CouleurFenetre);
    const bool bar =
        store.Save(kSettingsApp, kSettingsSection, kKeyCouleurBar, values.CouleurBarre);
    return window && bar;
}

} // namespace zorvane::app

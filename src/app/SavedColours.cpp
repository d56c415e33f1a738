#include "app/SavedColours.h"

#include "app/ColourSettings.h"

namespace zorvane::app {

// Only the values the store lacked are written back, both in one save.
ColoursRead ReadSavedColours(ui::SettingsStore& store, data::StartupValues& values) {
    store.RemoveLeftovers(kSettingsApp);
    const StoredColour fenetre = ResolveColour(
        store.Get(kSettingsApp, kSettingsSection, kKeyCouleurMDI), kDefaultCouleurMDI);
    const StoredColour barre = ResolveColour(
        store.Get(kSettingsApp, kSettingsSection, kKeyCouleurBar), kDefaultCouleurBar);
    values.CouleurFenetre = fenetre.text;
    values.CouleurBarre = barre.text;
    std::vector<ui::SettingValue> missing;
    if (fenetre.writeBack) {
        missing.push_back({kKeyCouleurMDI, values.CouleurFenetre});
    }
    if (barre.writeBack) {
        missing.push_back({kKeyCouleurBar, values.CouleurBarre});
    }
    return {missing.empty() || store.Save(kSettingsApp, kSettingsSection, missing),
            {fenetre.writeBack, barre.writeBack}};
}

bool SaveColours(ui::SettingsStore& store, const data::StartupValues& values) {
    return store.Save(
        kSettingsApp, kSettingsSection,
        {{kKeyCouleurMDI, values.CouleurFenetre}, {kKeyCouleurBar, values.CouleurBarre}});
}

} // namespace zorvane::app

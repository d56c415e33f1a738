#include "app/SettingsMessages.h"

namespace zorvane::app {
namespace {

QString Cause(ui::SettingsFault fault) {
    switch (fault) {
    case ui::SettingsFault::FolderNotWritable:
        return QStringLiteral("le dossier de configuration n'est pas accessible en écriture.");
    case ui::SettingsFault::FileUnreadable:
        return QStringLiteral("le fichier des réglages ne peut pas être lu.");
    case ui::SettingsFault::FileNotWritable:
        return QStringLiteral("le fichier des réglages n'est pas accessible en écriture.");
    case ui::SettingsFault::WriteFailed:
        break;
    }
    return QStringLiteral("l'écriture du fichier des réglages a échoué (disque plein ?).");
}

// A colour the store held is used even when the other one could not be written back.
QString ColoursInUse(DefaultsInUse defaults) {
    if (defaults.fenetre && defaults.barre) {
        return QStringLiteral("les couleurs par défaut.");
    }
    const auto kind = [](bool byDefault) {
        return byDefault ? QStringLiteral("la couleur par défaut")
                         : QStringLiteral("la couleur enregistrée");
    };
    return kind(defaults.fenetre) + QStringLiteral(" pour le fond de la fenêtre principale et ") +
           kind(defaults.barre) + QStringLiteral(" pour la barre d'outils.");
}

} // namespace

QString SettingsNotSavedMessage(ui::SettingsFault fault, SettingsMoment moment,
                                DefaultsInUse defaults) {
    if (moment == SettingsMoment::Startup) {
        return QStringLiteral("Les réglages ne peuvent pas être enregistrés : ") + Cause(fault) +
               QStringLiteral("\r\nLe programme utilise ") + ColoursInUse(defaults);
    }
    return QStringLiteral("Les options n'ont pas pu être enregistrées : ") + Cause(fault) +
           QStringLiteral("\r\nLes couleurs enregistrées auparavant sont conservées ; les "
                          "couleurs choisies restent en place jusqu'à la fermeture du programme.");
}

} // namespace zorvane::app

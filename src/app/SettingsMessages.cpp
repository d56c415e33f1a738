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

} // namespace

QString SettingsNotSavedMessage(ui::SettingsFault fault, SettingsMoment moment) {
    if (moment == SettingsMoment::Startup) {
        return QStringLiteral("Les réglages ne peuvent pas être enregistrés : ") + Cause(fault) +
               QStringLiteral("\r\nLe programme utilise les couleurs par défaut.");
    }
    return QStringLiteral("Les options n'ont pas pu être enregistrées : ") + Cause(fault) +
           QStringLiteral("\r\nLes couleurs enregistrées auparavant sont conservées ; les "
                          "couleurs choisies restent en place jusqu'à la fermeture du programme.");
}

} // namespace zorvane::app

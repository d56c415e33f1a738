// Zorvane: French letter games and communes.

#include "app/Shell.h"
#include "ui/QtPlatform.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Qt's own button texts (Yes, No, OK) in French, from Qt's translations.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTexts);
    }
    zorvane::ui::QtPlatform platform;
    zorvane::app::Shell shell(platform.Services());
    if (!shell.Start() || platform.End().Ended()) {
        return platform.End().Status();
    }
    return QApplication::exec();
}

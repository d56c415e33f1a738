// Zorvane: French letter games and communes.

#include "app/Shell.h"
#include "ui/FrenchTranslations.h"
#include "ui/InstanceLock.h"
#include "ui/QtPlatform.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    zorvane::ui::UsePrivateRuntimeFolder(); // before Qt looks for one
    QApplication application(argc, argv);
    zorvane::ui::InstallFrenchTranslations(application);
    zorvane::ui::QtPlatform platform;
    zorvane::app::Shell shell(platform.Services());
    if (!shell.Start() || platform.End().Ended()) {
        return platform.End().Status();
    }
    return QApplication::exec();
}

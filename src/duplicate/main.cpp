// Zorvane Duplicate: duplicate games against the top, and the top of any position.

#include "duplicate/FrmDuplicate.h"
#include "duplicate/GameWords.h"
#include "ui/FrenchTranslations.h"
#include "ui/QtPlatform.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    zorvane::ui::InstallFrenchTranslations(application);
    zorvane::ui::QtPlatform platform;
    std::unique_ptr<zorvane::data::WordGraph> words;
    zorvane::ui::QtFileChooser files;
    zorvane::duplicate::FrmDuplicate window(platform.Services(), files, [&] {
        words = zorvane::duplicate::LoadGameWords(platform.Services());
        return words.get();
    });
    window.showMaximized();
    // A saved game given as argument, as the desktop passes a file opened with the program.
    if (const QStringList arguments = QApplication::arguments(); arguments.size() > 1) {
        window.OpenFile(arguments.at(1));
    }
    const int status = QApplication::exec();
    return platform.End().Ended() ? platform.End().Status() : status;
}

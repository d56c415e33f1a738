#include "ui/QtPlatform.h"

#include "ui/Text.h"

#include <QCoreApplication>
#include <QDir>

namespace zorvane::ui {

QtPlatform::QtPlatform()
    : instance_(LockFileInstance::DefaultFolder()),
      platform_{boxes_,
                timers_,
                pointer_,
                clipboard_,
                links_,
                colours_,
                browser_,
                settings_,
                resources_,
                instance_,
                end_,
                FromQt(QDir::toNativeSeparators(QCoreApplication::applicationDirPath())),
                QDir::separator().toLatin1()} {}

} // namespace zorvane::ui

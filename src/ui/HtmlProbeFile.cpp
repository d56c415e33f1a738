#include "ui/HtmlProbeFile.h"

#include <QDir>
#include <QFile>

namespace zorvane::ui {

HtmlProbeFile::HtmlProbeFile() : path_(QDir::temp().filePath(QStringLiteral("Zorvane.HTM"))) {
    QFile file(path_);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write("<HTML> <\\HTML>\r\n");
    }
}

HtmlProbeFile::~HtmlProbeFile() {
    QFile::remove(path_);
}

} // namespace zorvane::ui

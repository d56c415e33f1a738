#include "ui/HtmlProbeFile.h"

#include <QDir>
#include <QFile>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

namespace zorvane::ui {
namespace {

constexpr char kFileName[] = "Zorvane.HTM";
constexpr char kContents[] = "<HTML> <\\HTML>\r\n";

} // namespace

// mkdtemp makes the folder with mode 0700 under a name no one can guess; inside it the file
// is created, never opened if something is already there, and never through a link.
HtmlProbeFile::HtmlProbeFile() {
    QByteArray pattern = QFile::encodeName(QDir::temp().filePath(QStringLiteral("zorvane-XXXXXX")));
    if (::mkdtemp(pattern.data()) == nullptr) {
        path_ = QStringLiteral("/nonexistent/") + QLatin1String(kFileName);
        return;
    }
    folder_ = pattern;
    const QByteArray file = folder_ + '/' + kFileName;
    path_ = QFile::decodeName(file);
    const int descriptor =
        ::open(file.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (descriptor >= 0) {
        const ssize_t written = ::write(descriptor, kContents, sizeof kContents - 1);
        static_cast<void>(written); // a short file still has the type that names the browser
        ::close(descriptor);
    }
}

HtmlProbeFile::~HtmlProbeFile() {
    if (!folder_.isEmpty()) {
        ::unlink(QFile::encodeName(path_).constData());
        ::rmdir(folder_.constData());
    }
}

} // namespace zorvane::ui

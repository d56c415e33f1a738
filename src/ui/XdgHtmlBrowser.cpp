#include "ui/XdgHtmlBrowser.h"

#include "ui/DesktopEntry.h"
#include "ui/SettingsFile.h"

#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>

namespace zorvane::ui {
namespace {

constexpr int kQueryTimeoutMs = 3000;
// A desktop entry or a program's answer of more than this is not one we read.
constexpr qint64 kMaxAnswerBytes = qint64{64} * 1024;

// The desktop entry file name that xdg-mime gives for the type, e.g. "firefox.desktop".
QString DefaultDesktopEntry(const QString& mimeType) {
    QProcess query;
    query.start(QStringLiteral("xdg-mime"),
                {QStringLiteral("query"), QStringLiteral("default"), mimeType});
    if (!query.waitForFinished(kQueryTimeoutMs) || query.exitStatus() != QProcess::NormalExit ||
        query.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(query.read(kMaxAnswerBytes)).trimmed();
}

// The file's type by its name, HTML files known even where no type database is installed.
QString TypeOf(const QString& file) {
    const QMimeType type = QMimeDatabase().mimeTypeForFile(file, QMimeDatabase::MatchExtension);
    if (type.isValid() && !type.isDefault()) {
        return type.name();
    }
    const QString suffix = QFileInfo(file).suffix().toLower();
    return suffix == QStringLiteral("htm") || suffix == QStringLiteral("html")
               ? QStringLiteral("text/html")
               : QString();
}

} // namespace

std::optional<QString> XdgHtmlBrowser::FindExecutable(const QString& file) {
    if (!QFileInfo::exists(file)) {
        return std::nullopt;
    }
    const QString type = TypeOf(file);
    const QString entryName = type.isEmpty() ? QString() : DefaultDesktopEntry(type);
    if (entryName.isEmpty()) {
        return std::nullopt;
    }
    const FileRead entry = ReadRegularFile(
        QFile::encodeName(QStandardPaths::locate(QStandardPaths::ApplicationsLocation, entryName))
            .toStdString(),
        kMaxAnswerBytes);
    if (entry.state != FileRead::State::Read) {
        return std::nullopt;
    }
    const std::optional<std::string> program = ExecProgram(entry.bytes);
    if (!program) {
        return std::nullopt;
    }
    const QString path = QStandardPaths::findExecutable(QString::fromStdString(*program));
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return path;
}

bool XdgHtmlBrowser::OpenWith(const QString& program, const QString& address) {
    return QProcess::startDetached(program, {address});
}

} // namespace zorvane::ui

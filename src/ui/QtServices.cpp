#include "ui/QtServices.h"

#include "ui/Colours.h"
#include "ui/SettingsFile.h"
#include "ui/Text.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>

namespace zorvane::ui {
namespace {

QMessageBox::Icon ToQtIcon(Icon icon) {
    switch (icon) {
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Exclamation:
        return QMessageBox::Warning;
    case Icon::Critical:
        return QMessageBox::Critical;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

class QtTimer final : public Timer {
public:
    QtTimer() {
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (OnTick) {
                OnTick();
            }
        });
    }
    void Start(int ms) override { timer_.start(ms); }
    void Stop() override { timer_.stop(); }
    bool IsActive() const override { return timer_.isActive(); }

private:
    QTimer timer_;
};

// A program's answer of more than this is not one we read.
constexpr qint64 kMaxAnswerBytes = qint64{64} * 1024;

// The file's texts are UTF-8; the program's are cp1252.
std::string SettingsKey(std::string_view section, std::string_view key) {
    return (ToQt(section) + QLatin1Char('/') + ToQt(key)).toStdString();
}

} // namespace

int QtMessageBoxes::Show(const QString& text, const QString& title, Buttons buttons, Icon icon) {
    QMessageBox box(ToQtIcon(icon), title, text,
                    buttons == Buttons::Ok ? QMessageBox::Ok : QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    if (buttons == Buttons::Ok) {
        box.exec();
        return kAnswerOk;
    }
    // Named here, so the answers read French even where Qt's translations are missing.
    box.button(QMessageBox::Yes)->setText(QStringLiteral("&Oui"));
    box.button(QMessageBox::No)->setText(QStringLiteral("&Non"));
    box.setDefaultButton(buttons == Buttons::YesNoDefaultNo ? QMessageBox::No : QMessageBox::Yes);
    box.exec();
    return box.clickedButton() == box.button(QMessageBox::No) ? kAnswerNo : kAnswerYes;
}

std::unique_ptr<Timer> QtTimerFactory::Create(const QString& /*name*/) {
    return std::make_unique<QtTimer>();
}

void QtMousePointer::SetBusy(bool busy) {
    if (busy == busy_) {
        return;
    }
    busy_ = busy;
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void QtClipboard::Clear() {
    QApplication::clipboard()->clear();
}

void QtClipboard::SetText(const QString& text) {
    QApplication::clipboard()->setText(text);
}

QtLinkOpener::QtLinkOpener(QString opener, QString handlerQuery)
    : opener_(std::move(opener)), handlerQuery_(std::move(handlerQuery)) {}

// The link goes to the opener as one argument, unparsed: a URL parser would re-encode a
// lone "%" and with it every "%0D" of a mail body.
bool QtLinkOpener::Open(const QString& url) {
    if (url.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive) && !MailProgramKnown()) {
        return false;
    }
    return QProcess::startDetached(opener_, {url});
}

// The desktop names the program it opens mailto: links with; an answer without a name means
// there is none. When the desktop cannot be asked, the opener is left to try.
bool QtLinkOpener::MailProgramKnown() const {
    QProcess query;
    query.start(handlerQuery_, {QStringLiteral("query"), QStringLiteral("default"),
                                QStringLiteral("x-scheme-handler/mailto")});
    if (!query.waitForFinished(3000) || query.exitStatus() != QProcess::NormalExit) {
        return true;
    }
    return !query.read(kMaxAnswerBytes).trimmed().isEmpty();
}

std::uint32_t QtColourDialog::Choose(std::uint32_t initial) {
    const QColor chosen = QColorDialog::getColor(ToQColor(initial), QApplication::activeWindow());
    return chosen.isValid() ? ToColourNumber(chosen) : initial;
}

QString QtSettingsStore::FilePath(std::string_view app) {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Zorvane/") + ToQt(app) + QStringLiteral(".ini");
}

std::optional<std::string> QtSettingsStore::Get(std::string_view app, std::string_view section,
                                                std::string_view key) const {
    const FileRead file =
        ReadRegularFile(QFile::encodeName(FilePath(app)).toStdString(), kMaxSettingsBytes);
    const SettingsMap values = ParseSettings(file.bytes);
    const auto found = values.find(SettingsKey(section, key));
    if (found == values.end()) {
        return std::nullopt;
    }
    return FromQt(QString::fromStdString(found->second));
}

// A file that cannot be read is replaced, unless it is not a regular file: that one is
// someone else's.
bool QtSettingsStore::Save(std::string_view app, std::string_view section,
                           const std::vector<SettingValue>& values) {
    const QString path = FilePath(app);
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        return false;
    }
    const std::string file = QFile::encodeName(path).toStdString();
    const FileRead old = ReadRegularFile(file, kMaxSettingsBytes);
    if (old.state == FileRead::State::NotRegular) {
        return false;
    }
    SettingsMap all = ParseSettings(old.bytes);
    for (const SettingValue& value : values) {
        all[SettingsKey(section, value.key)] = ToQt(value.value).toStdString();
    }
    // A value with a line end or outer blanks would not read back as it was given.
    const std::string text = FormatSettings(all);
    return ParseSettings(text) == all && ReplaceFile(file, text);
}

void QtSettingsStore::RemoveLeftovers(std::string_view app) {
    RemoveLeftoverCopies(QFile::encodeName(FilePath(app)).toStdString());
}

SettingsFault QtSettingsStore::FaultOf(std::string_view app) const {
    const QFileInfo file(FilePath(app));
    if (file.exists() && (!file.isFile() || !file.isReadable())) {
        return SettingsFault::FileUnreadable;
    }
    if (file.exists() && !file.isWritable()) {
        return SettingsFault::FileNotWritable;
    }
    // The folder, or the first of its parents that exists, must take a new file.
    QFileInfo folder(file.absolutePath());
    while (!folder.exists() && folder.absoluteFilePath() != folder.absolutePath()) {
        folder = QFileInfo(folder.absolutePath());
    }
    if (!folder.isDir() || !folder.isWritable()) {
        return SettingsFault::FolderNotWritable;
    }
    return SettingsFault::WriteFailed;
}

void QtProgramEnd::EndProgram(int status) {
    ended_ = true;
    status_ = status;
    QCoreApplication::exit(status);
}

} // namespace zorvane::ui

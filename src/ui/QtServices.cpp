#include "ui/QtServices.h"

#include "ui/Colours.h"
#include "ui/Text.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDir>
#include <QMessageBox>
#include <QSettings>
#include <QTimer>
#include <QUrl>

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

QSettings SettingsFile(std::string_view app) {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Zorvane"),
                     ToQt(app));
}

QString SettingsKey(std::string_view section, std::string_view key) {
    return ToQt(section) + QLatin1Char('/') + ToQt(key);
}

} // namespace

int QtMessageBoxes::Show(const QString& text, const QString& title, Buttons buttons, Icon icon) {
    QMessageBox box(ToQtIcon(icon), title, text,
                    buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No
                                              : QMessageBox::Ok,
                    QApplication::activeWindow());
    const int clicked = box.exec();
    if (buttons == Buttons::Ok) {
        return kAnswerOk;
    }
    return clicked == QMessageBox::No ? kAnswerNo : kAnswerYes;
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

bool QtLinkOpener::Open(const QString& url) {
    return QDesktopServices::openUrl(QUrl(url));
}

std::uint32_t QtColourDialog::Choose(std::uint32_t initial) {
    const QColor chosen = QColorDialog::getColor(ToQColor(initial), QApplication::activeWindow());
    return chosen.isValid() ? ToColourNumber(chosen) : initial;
}

std::optional<std::string> QtSettingsStore::Get(std::string_view app, std::string_view section,
                                                std::string_view key) const {
    const QVariant value = SettingsFile(app).value(SettingsKey(section, key));
    if (!value.isValid()) {
        return std::nullopt;
    }
    return FromQt(value.toString());
}

bool QtSettingsStore::Save(std::string_view app, std::string_view section, std::string_view key,
                           std::string_view value) {
    QSettings settings = SettingsFile(app);
    if (!settings.isWritable()) {
        return false;
    }
    settings.setValue(SettingsKey(section, key), ToQt(value));
    settings.sync();
    // A file that was unreadable keeps its read status after a good write: only an access
    // error means the value was not saved.
    return settings.status() != QSettings::AccessError;
}

LockFileInstance::LockFileInstance(const QString& lockPath) : lock_(lockPath) {
    // Age alone never makes a running copy's lock stale; a dead owner does.
    lock_.setStaleLockTime(0);
}

bool LockFileInstance::PreviousInstanceRunning() {
    if (!claimed_) {
        claimed_ = lock_.tryLock(0);
    }
    return !claimed_;
}

QString LockFileInstance::DefaultLockPath() {
    return QDir::temp().filePath(
        QStringLiteral("zorvane-%1.lock").arg(qEnvironmentVariable("USER")));
}

void QtProgramEnd::EndProgram(int status) {
    ended_ = true;
    status_ = status;
    QCoreApplication::exit(status);
}

} // namespace zorvane::ui

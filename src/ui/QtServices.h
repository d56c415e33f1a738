#pragma once
// The Qt implementations of the platform services.

#include "ui/Services.h"

namespace zorvane::ui {

class QtMessageBoxes final : public MessageBoxes {
public:
    int Show(const QString& text, const QString& title, Buttons buttons, Icon icon) override;
};

class QtTimerFactory final : public TimerFactory {
public:
    std::unique_ptr<Timer> Create(const QString& name) override;
};

class QtMousePointer final : public MousePointer {
public:
    void SetBusy(bool busy) override;

private:
    bool busy_ = false;
};

class QtClipboard final : public Clipboard {
public:
    void Clear() override;
    void SetText(const QString& text) override;
};

// The desktop's opener program, given the link as its argument, byte for byte.
class QtLinkOpener final : public LinkOpener {
public:
    explicit QtLinkOpener(QString opener = QStringLiteral("xdg-open"),
                          QString handlerQuery = QStringLiteral("xdg-mime"));
    bool Open(const QString& url) override;

private:
    bool MailProgramKnown() const;

    QString opener_;
    QString handlerQuery_;
};

class QtColourDialog final : public ColourDialog {
public:
    std::uint32_t Choose(std::uint32_t initial) override;
};

// An INI file per application in the user's configuration folder, e.g.
// ~/.config/Zorvane/ZRVN.ini with [Options] CouleurMDI=&HFFFFFF.
class QtSettingsStore final : public SettingsStore {
public:
    SettingsFault FaultOf(std::string_view app) const override;
    std::optional<std::string> Get(std::string_view app, std::string_view section,
                                   std::string_view key) const override;
    bool Save(std::string_view app, std::string_view section,
              const std::vector<SettingValue>& values) override;
    void RemoveLeftovers(std::string_view app) override;

    static QString FilePath(std::string_view app);
};

// Leaves the event loop with the status; before the loop runs, main reads Ended().
class QtProgramEnd final : public ProgramEnd {
public:
    void EndProgram(int status) override;
    bool Ended() const { return ended_; }
    int Status() const { return status_; }

private:
    bool ended_ = false;
    int status_ = 0;
};

} // namespace zorvane::ui

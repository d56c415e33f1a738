#pragma once
// Recording stand-ins for every platform service, so window behaviour is tested offscreen
// and timers run on a virtual clock.

#include "ui/Platform.h"

#include <QFile>
#include <deque>
#include <functional>
#include <map>
#include <vector>

namespace zorvane::ui::fake {

struct ShownBox {
    QString text;
    QString title;
    Buttons buttons;
    Icon icon;
};

class FakeMessageBoxes final : public MessageBoxes {
public:
    int Show(const QString& text, const QString& title, Buttons buttons, Icon icon) override;
    std::vector<ShownBox> shown;
    std::deque<int> answers;      // consumed by Yes/No boxes; the default button when empty
    std::function<void()> onShow; // runs while the box is up: what the window shows then
};

class FakeTimer;

class FakeTimerFactory final : public TimerFactory {
public:
    std::unique_ptr<Timer> Create(const QString& name) override;
    // Moves the virtual clock on by ms, running every tick that falls due, in order.
    void Advance(int ms);
    // Runs the armed timer that is due first, whatever the clock; false when none is armed.
    bool FireNext();
    bool IsArmed(const QString& name) const;
    long long Now() const { return now_; }

    std::vector<std::pair<QString, int>> starts; // every Start, with its interval

private:
    friend class FakeTimer;
    FakeTimer* NextDue() const;
    void Fire(FakeTimer* timer);

    std::vector<FakeTimer*> timers_;
    long long now_ = 0;
    long long sequence_ = 0;
};

class FakeMousePointer final : public MousePointer {
public:
    void SetBusy(bool value) override { busy = value; }
    bool busy = false;
};

class FakeClipboard final : public Clipboard {
public:
    void Clear() override;
    void SetText(const QString& value) override { text = value; }
    QString text;
    int clears = 0;
};

class FakeLinkOpener final : public LinkOpener {
public:
    bool Open(const QString& url) override;
    std::vector<QString> opened;
    bool succeeds = true;
};

class FakeColourDialog final : public ColourDialog {
public:
    std::uint32_t Choose(std::uint32_t initial) override;
    std::vector<std::uint32_t> openedWith;
    std::deque<std::uint32_t> picks; // consumed in order; a cancel when empty
};

class FakeHtmlBrowser final : public HtmlBrowser {
public:
    std::optional<QString> FindExecutable(const QString& file) override {
        asked.push_back(file);
        QFile probe(file);
        probeText =
            probe.open(QIODevice::ReadOnly) ? QString::fromLatin1(probe.readAll()) : QString();
        return program;
    }
    bool OpenWith(const QString& executable, const QString& address) override {
        started.emplace_back(executable, address);
        return starts;
    }

    std::optional<QString> program = QStringLiteral("/usr/bin/navigateur");
    bool starts = true;
    std::vector<QString> asked;
    QString probeText; // the probe file's content when last asked; empty when it was missing
    std::vector<std::pair<QString, QString>> started;
};

class FakeSettingsStore final : public SettingsStore {
public:
    SettingsFault FaultOf(std::string_view /*app*/) const override { return fault; }
    std::optional<std::string> Get(std::string_view app, std::string_view section,
                                   std::string_view key) const override;
    bool Save(std::string_view app, std::string_view section,
              const std::vector<SettingValue>& values) override;
    void RemoveLeftovers(std::string_view /*app*/) override {} // the map leaves nothing
    static std::string Path(std::string_view app, std::string_view section, std::string_view key);

    std::map<std::string, std::string> values; // "app/section/key" -> text
    std::vector<std::string> saved;            // paths in the order they were written
    bool writable = true;
    SettingsFault fault = SettingsFault::FolderNotWritable; // told when not writable
};

class FakeResources final : public ResourceSource {
public:
    std::optional<std::string_view> Bytes(std::string_view type, int id) const override;
    void Add(const std::string& type, int id, std::string bytes);

private:
    std::map<std::string, std::string> resources_; // "TYPE.id" -> bytes
};

class FakeSingleInstance final : public SingleInstance {
public:
    InstanceClaim Claim() override { return claim; }
    QString LockFolder() const override { return folder; }
    InstanceClaim claim = InstanceClaim::Claimed;
    QString folder = QStringLiteral("/run/user/1000");
};

class FakeProgramEnd final : public ProgramEnd {
public:
    void EndProgram(int value) override;
    bool ended = false;
    int status = 0;
};

struct FakePlatform {
    FakeMessageBoxes boxes;
    FakeTimerFactory timers;
    FakeMousePointer pointer;
    FakeClipboard clipboard;
    FakeLinkOpener links;
    FakeColourDialog colours;
    FakeHtmlBrowser browser;
    FakeSettingsStore settings;
    FakeResources resources;
    FakeSingleInstance instance;
    FakeProgramEnd end;
    Platform platform{boxes,   timers,   pointer,   clipboard, links, colours,
                      browser, settings, resources, instance,  end,   "/opt/zorvane/bin",
                      '/'};
};

} // namespace zorvane::ui::fake

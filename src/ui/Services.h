#pragma once
// What Zorvane's windows ask of the platform, one small interface per service. Texts shown
// to the user are Qt strings; texts that cores produce or keep stay cp1252 bytes.

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorvane::ui {

// Message boxes: OK or Yes/No, an optional icon; the answer codes of the program.
inline constexpr int kAnswerOk = 1;
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;
// Enter answers the default button: Yes for YesNo, No for YesNoDefaultNo.
enum class Buttons { Ok, YesNo, YesNoDefaultNo };
enum class Icon { None, Information, Exclamation, Critical };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual int Show(const QString& text, const QString& title, Buttons buttons, Icon icon) = 0;
};

// A one-shot timer: Start arms it (again) for one tick after ms; the tick disarms it first.
class Timer {
public:
    virtual ~Timer() = default;
    virtual void Start(int ms) = 0;
    virtual void Stop() = 0;
    virtual bool IsActive() const = 0;
    std::function<void()> OnTick;
};

class TimerFactory {
public:
    virtual ~TimerFactory() = default;
    virtual std::unique_ptr<Timer> Create(const QString& name) = 0;
};

// The hourglass while a search blocks the window thread, the arrow otherwise.
class MousePointer {
public:
    virtual ~MousePointer() = default;
    virtual void SetBusy(bool busy) = 0;
};

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void Clear() = 0;
    virtual void SetText(const QString& text) = 0;
};

// Web and mailto: links, handed to the desktop as they are; false when no program took it.
class LinkOpener {
public:
    virtual ~LinkOpener() = default;
    virtual bool Open(const QString& url) = 0;
};

// The platform's colour-choice dialog, opened on a colour; the colour it returns, which is
// the one it was opened with when the user cancels.
class ColourDialog {
public:
    virtual ~ColourDialog() = default;
    virtual std::uint32_t Choose(std::uint32_t initial) = 0;
};

// The web browser the desktop opens HTML files with: the commune window starts it itself
// with the map address.
class HtmlBrowser {
public:
    virtual ~HtmlBrowser() = default;
    // The program the desktop opens this existing file with; nothing when there is none or
    // the file does not exist.
    virtual std::optional<QString> FindExecutable(const QString& file) = 0;
    // Starts the program with the address as its argument; false when it did not start.
    virtual bool OpenWith(const QString& program, const QString& address) = 0;
};

// Why the values of an application cannot be saved: what the user is told.
enum class SettingsFault { FolderNotWritable, FileUnreadable, FileNotWritable, WriteFailed };

// Per-user texts addressed by application, section and key.
struct SettingValue {
    std::string_view key;
    std::string_view value;
};

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // Asked after a refused Save: the cause as the store finds it now.
    virtual SettingsFault FaultOf(std::string_view app) const = 0;
    virtual std::optional<std::string> Get(std::string_view app, std::string_view section,
                                           std::string_view key) const = 0;
    // Writes all the values in one operation: either all of them are saved, or none is and
    // what was saved before stays (read-only or missing folder, full disk...); false then.
    virtual bool Save(std::string_view app, std::string_view section,
                      const std::vector<SettingValue>& values) = 0;
    // Removes what saves cut short (a program killed while saving) left beside the values.
    virtual void RemoveLeftovers(std::string_view app) = 0;
};

// Resource bytes by type name and numeric id; nothing when there is no such resource.
class ResourceSource {
public:
    virtual ~ResourceSource() = default;
    virtual std::optional<std::string_view> Bytes(std::string_view type, int id) const = 0;
};

// What claiming the program for this copy gave: it is ours, another copy of this user holds
// it, or the lock that tells cannot be made (the copy may then run beside another).
enum class InstanceClaim { Claimed, OtherCopyRunning, LockUnavailable };

class SingleInstance {
public:
    virtual ~SingleInstance() = default;
    // The first call claims the program for this copy; later calls give the same answer.
    virtual InstanceClaim Claim() = 0;
    // Where the lock is kept, as the user is told it.
    virtual QString LockFolder() const = 0;
};

// Ending the program at once: no window is asked to close, nothing is saved.
class ProgramEnd {
public:
    virtual ~ProgramEnd() = default;
    virtual void EndProgram(int status) = 0;
};

} // namespace zorvane::ui

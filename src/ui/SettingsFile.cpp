#include "ui/SettingsFile.h"

#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace zorvane::ui {
namespace {

constexpr std::string_view kBlanks = " \t";
// The six characters mkostemp puts in place of "XXXXXX".
constexpr std::size_t kCopySuffixLength = 6;
constexpr std::string_view kCopySuffixCharacters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// The open file closed on every way out.
class Descriptor {
public:
    explicit Descriptor(int descriptor) : descriptor_(descriptor) {}
    ~Descriptor() { Close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int Get() const { return descriptor_; }
    bool Close() {
        const bool closed = descriptor_ < 0 || ::close(descriptor_) == 0;
        descriptor_ = -1;
        return closed;
    }

private:
    int descriptor_;
};

bool WriteAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

// The new file goes in the same folder, so the last step is one rename on one disk.
bool WriteCheckedCopy(const std::string& temporary, int descriptor, std::string_view contents) {
    Descriptor file(descriptor);
    if (!WriteAll(file.Get(), contents) || ::fsync(file.Get()) != 0 || !file.Close()) {
        return false;
    }
    const FileRead back = ReadRegularFile(temporary, contents.size());
    return back.state == FileRead::State::Read && back.bytes == contents;
}

} // namespace

FileRead ReadRegularFile(const std::string& path, std::size_t maxBytes) {
    Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.Get() < 0) {
        return {errno == ENOENT || errno == ENOTDIR ? FileRead::State::Missing
                                                    : FileRead::State::Unreadable,
                {}};
    }
    struct stat status {};
    if (::fstat(file.Get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return {FileRead::State::NotRegular, {}};
    }
    std::string bytes(maxBytes + 1, '\0');
    std::size_t size = 0;
    while (size < bytes.size()) {
        const ssize_t got = ::read(file.Get(), bytes.data() + size, bytes.size() - size);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return {FileRead::State::Unreadable, {}};
        }
        if (got == 0) {
            bytes.resize(size);
            return {FileRead::State::Read, std::move(bytes)};
        }
        size += static_cast<std::size_t>(got);
    }
    return {FileRead::State::Unreadable, {}}; // larger than maxBytes
}

SettingsMap ParseSettings(std::string_view text) {
    SettingsMap values;
    std::string section;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        const std::string_view line = Trimmed(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        const std::size_t equals = line.find('=');
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            section = std::string(Trimmed(line.substr(1, line.size() - 2)));
        } else if (equals != std::string_view::npos && equals > 0 && !section.empty()) {
            values[section + "/" + std::string(Trimmed(line.substr(0, equals)))] =
                std::string(Trimmed(line.substr(equals + 1)));
        }
    }
    return values;
}

std::string FormatSettings(const SettingsMap& values) {
    std::string text;
    std::string section;
    for (const auto& [path, value] : values) {
        const std::size_t slash = path.find('/');
        if (path.compare(0, slash, section) != 0 || section.empty()) {
            section = path.substr(0, slash);
            text += (text.empty() ? "[" : "\n[") + section + "]\n";
        }
        text += path.substr(slash + 1) + "=" + value + "\n";
    }
    return text;
}

void RemoveLeftoverCopies(const std::string& path) {
    const std::string prefix = path.substr(path.rfind('/') + 1) + ".";
    Descriptor opened(::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    DIR* entries = opened.Get() < 0 ? nullptr : ::fdopendir(::dup(opened.Get()));
    if (entries == nullptr) {
        return;
    }
    while (const dirent* entry = ::readdir(entries)) {
        const std::string_view name = entry->d_name;
        struct stat status {};
        if (name.size() == prefix.size() + kCopySuffixLength && name.starts_with(prefix) &&
            name.substr(prefix.size()).find_first_not_of(kCopySuffixCharacters) ==
                std::string_view::npos &&
            ::fstatat(opened.Get(), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(status.st_mode) && status.st_uid == ::geteuid()) {
            ::unlinkat(opened.Get(), entry->d_name, 0);
        }
    }
    ::closedir(entries);
}

bool ReplaceFile(const std::string& path, std::string_view contents) {
    std::string temporary = path + ".XXXXXX";
    const int descriptor = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (descriptor < 0) {
        return false;
    }
    if (!WriteCheckedCopy(temporary, descriptor, contents) ||
        std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    // The rename is done: the new file is in place whether or not the folder's entry
    // reaches the disk now, so a failure here changes nothing the user could be told.
    Descriptor folder(::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Get() >= 0) {
        ::fsync(folder.Get());
    }
    return true;
}

} // namespace zorvane::ui

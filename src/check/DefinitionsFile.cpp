#include "check/DefinitionsFile.h"

#include "check/LineReader.h"

#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace zorvane::check {
namespace {

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (AsciiLower(text[i]) != AsciiLower(prefix[i])) {
            return false;
        }
    }
    return true;
}

bool IsSectionHeader(std::string_view trimmed, std::string_view name) {
    return trimmed.size() >= name.size() + 2 && trimmed.front() == '[' &&
           StartsWithIgnoringCase(trimmed.substr(1), name) && trimmed[name.size() + 1] == ']';
}

// The key must be followed, blanks aside, by "=": key 12 is not a prefix match of 123.
bool IsEntryOf(std::string_view trimmed, std::string_view key) {
    return StartsWithIgnoringCase(trimmed, key) &&
           TrimBlanks(trimmed.substr(key.size())).starts_with('=');
}

int OpenFailureNumber(int error) {
    return error == ENOENT || error == ENOTDIR ? kFileNotFound : kFileAccessError;
}

using OpenFile = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

// Without O_NONBLOCK a FIFO would hold the open until a writer came; a device would
// never end. Regular files ignore the flag.
OpenFile OpenRegularFile(const std::string& filename, int& errorNumber) {
    OpenFile file(nullptr, &std::fclose);
    const int descriptor = ::open(filename.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        errorNumber = OpenFailureNumber(errno);
        return file;
    }
    struct stat status {};
    if (::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode)) {
        file.reset(::fdopen(descriptor, "rb"));
    }
    if (!file) {
        ::close(descriptor);
        errorNumber = kFileAccessError;
    }
    return file;
}

} // namespace

IniEntry GetIni(const std::string& filename, std::string_view contener, std::string_view variable) {
    int errorNumber = 0;
    const OpenFile file = OpenRegularFile(filename, errorNumber);
    if (!file) {
        return {{}, errorNumber};
    }
    return ReadIniEntry(file.get(), contener, variable);
}

int ForEachIniEntry(const std::string& filename, std::string_view contener,
                    const EntryVisit& visit) {
    int errorNumber = 0;
    const OpenFile file = OpenRegularFile(filename, errorNumber);
    if (!file) {
        return errorNumber;
    }
    LineReader reader(file.get());
    std::string_view line;
    bool inSection = false;
    while (reader.Next(line)) {
        const std::string_view trimmed = TrimBlanks(line);
        const std::size_t equals = trimmed.find('=');
        if (!inSection) {
            inSection = IsSectionHeader(trimmed, contener);
        } else if (trimmed.starts_with('[')) {
            break;
        } else if (equals != std::string_view::npos) {
            visit(TrimBlanks(trimmed.substr(0, equals)), trimmed.substr(equals));
        }
    }
    return reader.Failed() ? kReadError : 0;
}

IniEntry ReadIniEntry(std::FILE* file, std::string_view contener, std::string_view variable) {
    LineReader reader(file);
    std::string_view line;
    bool inSection = false;
    while (reader.Next(line)) {
        const std::string_view trimmed = TrimBlanks(line);
        if (!inSection) {
            inSection = IsSectionHeader(trimmed, contener);
        } else if (trimmed.starts_with('[')) {
            break;
        } else if (IsEntryOf(trimmed, variable)) {
            return {std::string(trimmed.substr(trimmed.find('='))), 0};
        }
    }
    return {{}, reader.Failed() ? kReadError : 0};
}

} // namespace zorvane::check

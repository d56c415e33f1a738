#include "check/DefinitionsFile.h"

#include "check/IniLines.h"
#include "check/LineReader.h"

#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace zorvane::check {
namespace {

int OpenFailureNumber(int error) {
    return error == ENOENT || error == ENOTDIR ? kFileNotFound : kFileAccessError;
}

} // namespace

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
    IniEntry found;
    ForEachLineOfSection(reader, contener, [&](std::string_view trimmed) {
        if (IsEntryOf(trimmed, variable)) {
            found.entry = trimmed.substr(trimmed.find('='));
            return false;
        }
        return true;
    });
    if (found.entry.empty() && reader.Failed()) {
        found.errorNumber = kReadError;
    }
    return found;
}

} // namespace zorvane::check

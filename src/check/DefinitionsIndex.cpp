#include "check/DefinitionsIndex.h"

#include "check/DefinitionsHealth.h"
#include "check/IniLines.h"
#include "check/LineReader.h"
#include "data/Cp1252Literal.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <sys/stat.h>
#include <unistd.h>

namespace zorvane::check {
namespace {

// Up to size bytes at offset; false on a read error.
bool ReadAt(int descriptor, std::uint64_t offset, std::size_t size, std::string& bytes) {
    bytes.resize(size);
    std::size_t got = 0;
    while (got < size) {
        const ssize_t read =
            ::pread(descriptor, bytes.data() + got, size - got, static_cast<off_t>(offset + got));
        if (read < 0 && errno == EINTR) {
            continue;
        }
        if (read < 0) {
            return false;
        }
        if (read == 0) {
            break;
        }
        got += static_cast<std::size_t>(read);
    }
    bytes.resize(got);
    return true;
}

std::optional<std::size_t> NumberOf(std::string_view digits) {
    std::size_t number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc{} || end != digits.data() + digits.size() || digits.starts_with('0')) {
        return std::nullopt;
    }
    return number;
}

} // namespace

DefinitionsIndex::DefinitionsIndex(const std::string& filename, std::string_view contener,
                                   std::size_t wordCount)
    : file_(nullptr, &std::fclose), wordCount_(wordCount) {
    file_ = OpenRegularFile(filename, errorNumber_);
    if (!file_) {
        return;
    }
    const int descriptor = ::fileno(file_.get());
    struct stat status {};
    std::string head;
    std::string tail;
    if (::fstat(descriptor, &status) != 0 || !ReadAt(descriptor, 0, kHealthProbeBytes, head)) {
        errorNumber_ = kReadError;
        return;
    }
    const auto size = static_cast<std::uint64_t>(status.st_size);
    const std::uint64_t tailStart = size > kHealthProbeBytes ? size - kHealthProbeBytes : 0;
    if (!ReadAt(descriptor, tailStart, kHealthProbeBytes, tail)) {
        errorNumber_ = kReadError;
        return;
    }
    if (auto damage = DefinitionsDamage(size, head, tail, wordCount)) {
        damage_ = std::move(*damage);
        return;
    }
    Index(contener);
}

// One reading, as GetIni reads: the first matching section, up to the next header; the
// first line of a key is its entry.
void DefinitionsIndex::Index(std::string_view contener) {
    lineStarts_.assign(wordCount_ + 1, 0);
    LineReader reader(file_.get());
    ForEachLineOfSection(reader, contener, [&](std::string_view trimmed) {
        const auto number = NumberOf(NumberKeyOf(trimmed));
        if (number && *number >= 1 && *number <= wordCount_ && lineStarts_[*number] == 0) {
            // The size check keeps every offset far below 4 GB.
            lineStarts_[*number] = static_cast<std::uint32_t>(reader.LineStart() + 1);
        }
        return true;
    });
    if (reader.Failed()) {
        errorNumber_ = kReadError;
        return;
    }
    const auto missing = std::find(lineStarts_.begin() + 1, lineStarts_.end(), 0U);
    if (missing != lineStarts_.end()) {
        const auto count = std::count(missing, lineStarts_.end(), 0U);
        damage_ = std::string("il manque l'entrée de "_cp) + std::to_string(count) +
                  std::string(count > 1 ? " mots, dont le mot n° "_cp : " mot, le mot n° "_cp) +
                  std::to_string(missing - lineStarts_.begin()) + ".";
    }
}

IniEntry DefinitionsIndex::Entry(std::string_view number) const {
    const std::optional<std::size_t> word = NumberOf(number);
    if (!file_ || !word || *word < 1 || *word > wordCount_ || lineStarts_.empty() ||
        lineStarts_[*word] == 0) {
        return {};
    }
    std::string bytes;
    if (!ReadAt(::fileno(file_.get()), lineStarts_[*word] - 1, LineReader::kMaxLineLength + 1,
                bytes)) {
        return {{}, kReadError};
    }
    const std::size_t end = bytes.find_first_of("\r\n");
    if (end == std::string::npos && bytes.size() > LineReader::kMaxLineLength) {
        return {}; // the file changed since it was read
    }
    const std::string_view trimmed = TrimBlanks(std::string_view(bytes).substr(0, end));
    if (!IsEntryOf(trimmed, number)) {
        return {};
    }
    return {std::string(trimmed.substr(trimmed.find('='))), 0};
}

} // namespace zorvane::check

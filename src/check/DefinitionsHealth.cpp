#include "check/DefinitionsHealth.h"

#include "check/IniLines.h"
#include "check/LineReader.h"
#include "data/Cp1252Literal.h"

namespace zorvane::check {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnds = "\r\n";

// The first line that is not blank, or nothing when none ends within the text read (a
// line longer than any entry), unless the text is the whole file.
std::optional<std::string_view> FirstLine(std::string_view head, bool wholeFile) {
    if (head.starts_with(kByteOrderMark)) {
        head.remove_prefix(kByteOrderMark.size());
    }
    for (;;) {
        const std::size_t end = head.find_first_of(kLineEnds);
        if (end == std::string_view::npos &&
            (!wholeFile || head.size() > LineReader::kMaxLineLength)) {
            return std::nullopt;
        }
        const std::string_view line = TrimBlanks(head.substr(0, end));
        if (!line.empty() || end == std::string_view::npos) {
            return line;
        }
        head.remove_prefix(end + 1);
    }
}

// The last line that is not blank, when the text read holds its start.
std::optional<std::string_view> LastLine(std::string_view tail, bool wholeFile) {
    std::size_t end = tail.find_last_not_of(kLineEnds);
    while (end != std::string_view::npos) {
        const std::size_t before = tail.find_last_of(kLineEnds, end);
        if (before == std::string_view::npos && !wholeFile) {
            return std::nullopt;
        }
        const std::size_t start = before == std::string_view::npos ? 0 : before + 1;
        const std::string_view line = TrimBlanks(tail.substr(start, end + 1 - start));
        if (!line.empty()) {
            return line;
        }
        end = before == std::string_view::npos ? before : tail.find_last_not_of(kLineEnds, before);
    }
    return wholeFile ? std::optional<std::string_view>("") : std::nullopt;
}

} // namespace

std::optional<std::string> DefinitionsDamage(std::uint64_t size, std::string_view head,
                                             std::string_view tail, std::size_t wordCount) {
    if (size == 0) {
        return std::string("il est vide."_cp);
    }
    if (size > kMaxDefinitionsBytes) {
        return "il compte " + std::to_string(size) +
               std::string(" octets, bien plus qu'un fichier de définitions."_cp);
    }
    const bool whole = head.size() >= size;
    const std::optional<std::string_view> first = FirstLine(head, whole);
    if (!first || !first->starts_with('[')) {
        return std::string("il ne commence pas par un en-tête de section."_cp);
    }
    const std::optional<std::string_view> last = LastLine(whole ? head : tail, whole);
    const std::string expected = std::to_string(wordCount);
    if (!last || NumberKeyOf(*last) != expected) {
        return std::string("il ne finit pas par l'entrée du mot n° "_cp) + expected +
               std::string(", le dernier de la liste : il est tronqué ou ne correspond pas à "
                           "la liste des mots."_cp);
    }
    return std::nullopt;
}

} // namespace zorvane::check

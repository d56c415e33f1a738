#include "communes/CommuneLists.h"

#include "communes/CommuneRecord.h"
#include "data/Cp1252Literal.h"
#include "data/ResourceText.h"

namespace zorvane::communes {
namespace {

std::string ResourceName(std::string_view type, int id) {
    return std::string("La ressource "_cp) + std::string(type) + std::string(" (n° "_cp) +
           std::to_string(id) + ")";
}

std::string TooLongText(std::string_view type, int id, std::size_t lines) {
    return ResourceName(type, id) + std::string(" compte "_cp) + std::to_string(lines) +
           std::string(" lignes, plus que les "_cp) + std::to_string(kCommuneCapacity) +
           std::string(" communes que le programme peut tenir.\r\nSeules les "_cp) +
           std::to_string(kCommuneCapacity) +
           std::string(" premières sont chargées : les suivantes ne seront pas trouvées."_cp);
}

std::optional<std::string> Fill(CommuneList& list, std::string_view bytes, std::string_view type,
                                int id, std::string_view (*keyOf)(std::string_view)) {
    std::vector<std::string> lines = data::SplitLines(bytes);
    if (!lines.empty() && lines.back().find_first_not_of('\0') == std::string::npos) {
        lines.pop_back();
    }
    std::optional<std::string> warning;
    if (lines.size() > kCommuneCapacity) {
        warning = TooLongText(type, id, lines.size());
        lines.resize(kCommuneCapacity);
    }
    list.keys.clear();
    list.keys.reserve(lines.size());
    for (const std::string& line : lines) {
        list.keys.emplace_back(keyOf(line));
    }
    list.lines = std::move(lines);
    return warning;
}

} // namespace

std::optional<std::string> FillPostcodeList(PostcodeList& list, std::string_view bytes) {
    return Fill(list, bytes, kPostcodeResource, kPostcodeResourceId, PostcodeKey);
}

std::optional<std::string> FillNameList(NameList& list, std::string_view bytes) {
    return Fill(list, bytes, kNameResource, kNameResourceId, NameKey);
}

std::string MissingResourceText(std::string_view type, int id) {
    return ResourceName(type, id) +
           std::string(" est introuvable ou vide : la recherche des communes ne "
                       "trouvera rien."_cp);
}

} // namespace zorvane::communes

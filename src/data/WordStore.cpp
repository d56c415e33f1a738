#include "data/WordStore.h"

#include "data/Cp1252Literal.h"
#include "data/TextHelpers.h"

namespace zorvane::data {
namespace {

constexpr char kSection = '\xA7'; // "§"

std::optional<std::string> FirstBrokenLimit(const std::vector<std::string>& lines) {
    if (lines.size() > kSynonymPlaces) {
        return std::to_string(lines.size()) + std::string(" lignes pour 4300 places."_cp);
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string lineNo = std::to_string(i + 1);
        const std::size_t section = lines[i].find(kSection);
        if (section == std::string::npos) {
            return std::string("la ligne "_cp) + lineNo + std::string(" n'a pas de « § »."_cp);
        }
        if (section > kMaxHeadwordLength) {
            return std::string("la ligne "_cp) + lineNo +
                   std::string(" a une entrée de plus de 29 caractères."_cp);
        }
    }
    return std::nullopt;
}

} // namespace

std::string SynonymResourceType(char letter) {
    return std::string("SYNONY") + letter;
}

std::string_view Headword(std::string_view line) {
    return line.substr(0, line.find(kSection));
}

std::optional<std::string> FillSynonymTable(SynonymLetterTable& table,
                                            const std::vector<std::string>& lines) {
    if (auto broken = FirstBrokenLimit(lines)) {
        return broken;
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view headword = Headword(lines[i]);
        table.Syno[i] = lines[i];
        table.CleSyno[i] = SubAccents(headword, headword.size());
    }
    table.NbSyno = static_cast<int>(lines.size());
    return std::nullopt;
}

} // namespace zorvane::data

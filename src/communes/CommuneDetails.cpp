#include "communes/CommuneDetails.h"

#include "data/Cp1252Literal.h"

namespace zorvane::communes {

const std::array<std::string_view, kDetailCount>& DetailCaptions() {
    static const std::array<std::string_view, kDetailCount> captions{
        "Commune:"_cp,       "Nom minuscule:"_cp, "Département:"_cp, "Région:"_cp,
        "Code région:"_cp,   "N°INSEE:"_cp,       "Académie:"_cp,    "Code académie:"_cp,
        "Zone vacances:"_cp, "Latitude:"_cp,      "Longitude:"_cp};
    return captions;
}

DetailTexts DetailsOf(const CommuneRecord& r) {
    return {r.key,
            r.name,
            r.department,
            r.region,
            ' ' + r.regionCode,
            ' ' + r.insee,
            r.academy,
            ' ' + r.academyCode,
            ' ' + r.holidayZone,
            r.latitude,
            r.longitude};
}

std::string CopiedText(const DetailTexts& shown) {
    std::string text;
    for (std::size_t i = 0; i < kDetailCount; ++i) {
        text += (i == 0 ? "" : "\r\n") + std::string(DetailCaptions()[i]) + ' ' + shown[i];
    }
    return text;
}

} // namespace zorvane::communes

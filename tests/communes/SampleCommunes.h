#pragma once
// A handful of communes written as the two commune resources write them, for the search
// and window tests: homonyms, one commune with two postal codes, an overseas commune with
// missing values, hyphens, an apostrophe, accents and a name of 45 characters.

#include "data/Cp1252Literal.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace zorvane::testing {

struct SampleCommune {
    std::string_view postcode, key, name, departmentCode, departmentName, region, regionCode, insee,
        academy, academyCode, zone, latitude, longitude;
};

// Built at each call: the two resources are made once per test, and clang-tidy 14 crashes
// evaluating a static table of encoded literals.
inline std::vector<SampleCommune> SampleCommunes() {
    return {
        {"01000", "BOURG EN BRESSE", "Bourg-en-Bresse", "01", "Ain", "Auvergne-Rhône-Alpes"_cp,
         "84", "01053", "Lyon", "10", "A", "46.2051520382", "5.24602125501"},
        {"01000", "ST DENIS LES BOURG", "Saint-Denis-lès-Bourg"_cp, "01", "Ain",
         "Auvergne-Rhône-Alpes"_cp, "84", "01344", "Lyon", "10", "A", "46.20217", "5.18924"},
        {"01400", "L ABERGEMENT CLEMENCIAT", "L'Abergement-Clémenciat"_cp, "01", "Ain",
         "Auvergne-Rhône-Alpes"_cp, "84", "01001", "Lyon", "10", "A", "46.15678", "4.92356"},
        {"75001", "PARIS 01", "Paris 01", "75", "Paris", "Île-de-France"_cp, "11", "75101", "Paris",
         "01", "C", "48.86263", "2.33629"},
        {"75002", "PARIS 02", "Paris 02", "75", "Paris", "Île-de-France"_cp, "11", "75102", "Paris",
         "01", "C", "48.8679", "2.3441"},
        {"93200", "ST DENIS", "Saint-Denis", "93", "Seine-Saint-Denis", "Île-de-France"_cp, "11",
         "93066", "Créteil"_cp, "24", "C", "48.93564", "2.35387"},
        {"93210", "ST DENIS", "Saint-Denis", "93", "Seine-Saint-Denis", "Île-de-France"_cp, "11",
         "93066", "Créteil"_cp, "24", "C", "48.93564", "2.35387"},
        {"97400", "ST DENIS", "Saint-Denis", "974", "La Réunion"_cp, "La Réunion"_cp, "04", "97411",
         "La Réunion"_cp, "28", ".", "-20.88231", "55.4504"},
        {"97100", "BASSE TERRE", "Basse-Terre", "971", "Guadeloupe", "Guadeloupe", "01", "97105",
         "Guadeloupe", "32", ".", ".", "."},
        {"89310", "LA CHAPELLE", "La Chapelle", "89", "Yonne", "Bourgogne-Franche-Comté"_cp, "27",
         "89081", "Dijon", "07", "A", "47.7", "3.9"},
        {"89310", "LA CHAPELLE", "La Chapelle", "89", "Yonne", "Bourgogne-Franche-Comté"_cp, "27",
         "89082", "Dijon", "07", "A", "47.8", "3.8"},
        {"51290", "ST REMY EN BOUZEMONT ST GENEST ET ISSON",
         "Saint-Remy-en-Bouzemont-Saint-Genest-et-Isson", "51", "Marne", "Grand Est", "44", "51513",
         "Reims", "19", "B", "48.6299", "4.6481"},
    };
}

inline std::string Joined(const std::vector<std::string>& parts, std::string_view glue) {
    std::string text;
    for (const std::string& part : parts) {
        text += (text.empty() ? "" : std::string(glue)) + part;
    }
    return text;
}

inline std::string Fields(std::initializer_list<std::string_view> fields) {
    std::vector<std::string> parts(fields.begin(), fields.end());
    return Joined(parts, "\xA7");
}

// LISTEPARCP: by whole key, no final CR LF, three NULs of padding.
inline std::string SamplePostcodeResource() {
    std::vector<std::string> lines;
    for (const SampleCommune& c : SampleCommunes()) {
        lines.push_back(Fields({std::string(c.postcode) + " " + std::string(c.key), c.name,
                                std::string(c.departmentCode) + " " + std::string(c.departmentName),
                                c.region, c.regionCode, c.insee, c.academy, c.academyCode, c.zone,
                                c.latitude, c.longitude}));
    }
    std::stable_sort(lines.begin(), lines.end(), [](const std::string& a, const std::string& b) {
        return a.substr(0, a.find('\xA7')) < b.substr(0, b.find('\xA7'));
    });
    return Joined(lines, "\r\n") + std::string(3, '\0');
}

// LISTEPARNOM: by name key, a final CR LF and one NUL.
inline std::string SampleNameResource() {
    std::vector<std::string> lines;
    for (const SampleCommune& c : SampleCommunes()) {
        lines.push_back(
            std::string(c.key) + "$" +
            Fields({c.insee, c.postcode, c.departmentCode, c.departmentName, c.name, c.regionCode,
                    c.region, c.latitude, c.longitude, c.academy, c.academyCode, c.zone}));
    }
    std::stable_sort(lines.begin(), lines.end(), [](const std::string& a, const std::string& b) {
        return a.substr(0, a.find('$')) < b.substr(0, b.find('$'));
    });
    return Joined(lines, "\r\n") + "\r\n" + std::string(1, '\0');
}

} // namespace zorvane::testing

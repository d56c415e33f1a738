#pragma once
// The values every window reads once start-up has set them (cp1252 texts).

#include <cstdint>
#include <string>
#include <string_view>

namespace zorvane::data {

inline constexpr std::string_view kTitreAppli = "Zorvane";
inline constexpr std::string_view kVersionAppli = "1.20";
inline constexpr std::string_view kSautLigne = "\r\n";

struct StartupValues {
    std::string CheminAppli; // program folder, separator last
    std::string SautLigne{kSautLigne};
    std::string TitreAppli{kTitreAppli};
    std::string FichierDefinitions; // CheminAppli + "definitions1.20.ret"
    std::string VersionAppli;       // set when the splash window hands over
    // Display figures: shown as they are, whatever the loaded data hold.
    std::int32_t NbMotsDico = 510000;
    std::int32_t NbDefinitions = 85100;
    float NbSynonymes = 40096.0F;
    std::int16_t LongMaxDefinition = 12;
    std::int16_t Reponse = 0; // answer of the last question message box
    // Current colours of the main window, as "&H" hex or decimal texts.
    std::string CouleurFenetre;
    std::string CouleurBarre;
};

// The folder with exactly one separator at its end.
std::string WithTrailingSeparator(std::string folder, char separator);

// "definitions" + version + ".ret" in the program folder.
std::string DefinitionsPath(std::string_view cheminAppli, std::string_view version);

} // namespace zorvane::data

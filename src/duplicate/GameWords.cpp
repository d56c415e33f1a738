#include "duplicate/GameWords.h"

#include "check/AdmittedWords.h"
#include "data/ResourceText.h"
#include "data/StartupValues.h"
#include "data/WordStore.h"
#include "duplicate/Join.h"
#include "ui/Text.h"

namespace zorvane::duplicate {
namespace {

std::nullptr_t Fail(ui::Platform& platform, const std::string& why) {
    platform.boxes.Show(ui::ToQt(Join(why, "\r\n", "Le programme va s'arrêter."_cp)),
                        ui::ToQt(data::kTitreAppli), ui::Buttons::Ok, ui::Icon::Critical);
    platform.end.EndProgram(1);
    return nullptr;
}

} // namespace

std::unique_ptr<data::WordGraph> LoadGameWords(ui::Platform& platform) {
    const auto bytes = platform.resources.Bytes("DICO", data::kIdDico);
    if (!bytes || bytes->empty()) {
        return Fail(platform, Join("La liste des mots (ressource DICO) est introuvable."_cp));
    }
    const std::vector<std::string> dico = data::SplitLines(*bytes);
    const std::string definitions = data::DefinitionsPath(
        data::WithTrailingSeparator(platform.programFolder, platform.separator),
        data::kVersionAppli);
    const check::AdmittedList admitted = check::AdmittedWords(dico, definitions);
    if (admitted.errorNumber != 0) {
        return Fail(platform, Join("Le fichier des définitions des mots est illisible ("_cp,
                                   definitions, ") : les mots admis au jeu sont inconnus."_cp));
    }
    return std::make_unique<data::WordGraph>(admitted.words);
}

} // namespace zorvane::duplicate

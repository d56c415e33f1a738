#include "check/CheckTexts.h"

#include "check/DefinitionsFile.h"
#include "data/Cp1252Literal.h"

namespace zorvane::check {
namespace {

constexpr std::string_view kCrLf = "\r\n";

} // namespace

std::string_view NotFoundText() {
    return "Ce mot n'existe pas dans le dictionnaire.";
}

std::string_view ExistsText() {
    return "Ce mot existe dans le dictionnaire.";
}

std::string_view NoDefinitionText() {
    return "Pas de définition pour ce mot."_cp;
}

std::string_view NotAdmittedText() {
    return "Ce mot n'est pas admis dans les tournois de scrabble.";
}

std::string_view ExistsNotAdmittedText() {
    return "Ce mot existe mais n'est pas admis dans les tournois de scrabble.";
}

std::string DefinitionsFileMessage(int errorNumber) {
    return "Erreur " + std::to_string(errorNumber) + std::string(kCrLf) +
           std::string(errorNumber == kFileNotFound
                           ? "Le fichier des définitions des mots est introuvable."_cp
                           : "Le fichier des définitions des mots est illisible."_cp);
}

std::string DamagedDefinitionsMessage(std::string_view why) {
    return std::string("Le fichier des définitions des mots est endommagé : "_cp) +
           std::string(why);
}

std::string ValidSentence(std::string_view word) {
    return "Le mot ''" + std::string(word) + "'' est valide au scrabble.";
}

std::string NotAdmittedInformation(std::string_view typed) {
    return std::string("Le choix des mots admis dans les tournois de\r\n"
                       "scrabble obéit à des règles très précises.\r\n"
                       "Il existe des milliers de mots, ne sont admis que\r\n"
                       "ceux qui figurent dans la partie noms communs\r\n"
                       "des différents dictionnaires de langue française.\r\n"
                       "\r\n"
                       "Le mot "_cp) +
           std::string(typed) + " existe mais n'est pas admis\r\nau jeu de scrabble.";
}

std::string CopiedText(const WordCheckResult& result, std::string_view versionAppli) {
    std::string text = result.word + std::string(kCrLf);
    if (!result.categoryLabel.empty()) {
        text += result.categoryLabel + std::string(kCrLf);
    }
    text += result.definition + std::string(kCrLf) + std::string(kCrLf);
    text += "Texte copié depuis :"_cp;
    text += std::string(kCrLf) + "Zorvane " + std::string(versionAppli) + " - dictionnaire";
    return text;
}

} // namespace zorvane::check

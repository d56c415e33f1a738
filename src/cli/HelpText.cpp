#include "cli/CommandLine.h"

#include <array>

namespace zorvane::cli {
namespace {

struct CommandHelp {
    Subcommand subcommand;
    std::string_view lines;
};

constexpr std::array<CommandHelp, 8> kCommandHelp{{
    {Subcommand::Check,
     "  check MOT             le mot est-il dans le dictionnaire ? nature, définition,\n"
     "                        points et admission au scrabble\n"},
    {Subcommand::Scrabble,
     "  scrabble MOT          le mot est-il admis dans les tournois de scrabble ?\n"},
    {Subcommand::Anagram,
     "  anagram TIRAGE        les mots que forment 2 à 12 lettres, dont deux jokers « ? »\n"
     "      --min N           longueur minimale des mots (2 à 12, 2 par défaut)\n"
     "      --letter L        lettre que chaque mot doit contenir\n"},
    {Subcommand::Pattern,
     "  pattern MOTIF         mots croisés : « ? » ou « . » pour chaque lettre\n"
     "                        inconnue (3 à 12 cases, ex. : A??E? ou A..E.)\n"},
    {Subcommand::Synonyms, "  synonyms MOT          les synonymes du mot\n"},
    {Subcommand::Near, "  near MOT              les mots d'orthographe approchante\n"
                       "      --threshold T     précision : 90 (par défaut), 80 ou 70 %\n"
                       "      --lengths         avec les mots d'une lettre de plus ou de moins\n"},
    {Subcommand::Commune,
     "  commune CODE|NOM      communes par code postal (3 à 5 chiffres) ou par nom\n"},
    {Subcommand::Top,
     "  top TIRAGE [FICHIER]  les meilleurs coups d'un tirage (1 à 7 lettres, dont deux\n"
     "                        jokers « ? ») sur la grille de FICHIER, ou de l'entrée\n"
     "                        standard : 15 lignes de 15 caractères, « . » pour une case\n"
     "                        vide, A-Z pour une lettre, a-z pour un joker ; un coup par\n"
     "                        ligne, le meilleur d'abord : « H4 MOTS 24 » (horizontal :\n"
     "                        ligne puis colonne ; vertical « 4H » : colonne puis ligne ;\n"
     "                        lettres des jokers en minuscules ; points)\n"
     "      --limit N         nombre de coups affichés (10 par défaut)\n"},
}};

constexpr std::string_view kFromInput =
    "\n"
    "Sans TEXTE, les demandes sont lues sur l'entrée standard, une par ligne ; une ligne\n"
    "de plus de 64 Ko est refusée et arrête la lecture.\n";
constexpr std::string_view kTopFromInput =
    "\n"
    "Sans FICHIER, la grille est lue sur l'entrée standard.\n";
constexpr std::string_view kGeneral =
    "Les accents des mots sont retirés (É → E, Ç → C, Œ → OE).\n"
    "\n"
    "Options générales :\n"
    "  --json                une ligne JSON par réponse, pour les scripts\n"
    "  --help, -h            cette aide ; après une commande, l'aide de la commande\n"
    "  --version             la version du programme\n"
    "\n"
    "Code de sortie : 0 quand chaque demande trouve quelque chose, 1 quand une demande\n"
    "ne trouve rien, 2 pour une demande mal écrite ou trop longue, 3 quand les données\n"
    "du programme sont illisibles ou endommagées, 4 quand la réponse n'a pas pu être écrite.\n"
    "Sur un terminal, les caractères de contrôle des réponses sont écrits visiblement (^[).\n";

} // namespace

std::string HelpText() {
    std::string text = "Usage : zorvane-cli [--json] COMMANDE [TEXTE] [OPTIONS]\n"
                       "\n"
                       "Les outils de Zorvane en ligne de commande, sur les mêmes listes de mots.\n"
                       "\n"
                       "Commandes :\n";
    for (const CommandHelp& help : kCommandHelp) {
        text += help.lines;
    }
    text.append(kFromInput)
        .append("Pour top, sans FICHIER, la grille est lue sur l'entrée standard.\n")
        .append(kGeneral);
    text += "\n"
            "Exemples :\n"
            "  zorvane-cli anagram \"ESARTINLUOC?\" --min 8\n"
            "  zorvane-cli near MAISON --lengths\n"
            "  zorvane-cli top ESARTI? grille.txt --limit 5\n"
            "  printf 'maison\\nchat\\n' | zorvane-cli check --json\n";
    return text;
}

std::string HelpText(Subcommand subcommand) {
    const bool top = subcommand == Subcommand::Top;
    std::string text = "Usage : zorvane-cli [--json] " + std::string(SubcommandName(subcommand)) +
                       (top ? " TIRAGE [FICHIER]" : " [TEXTE]") + " [OPTIONS]\n\n";
    for (const CommandHelp& help : kCommandHelp) {
        if (help.subcommand == subcommand) {
            text += help.lines;
        }
    }
    return text.append(top ? kTopFromInput : kFromInput).append(kGeneral);
}

} // namespace zorvane::cli

#include "cli/CommandLine.h"

namespace zorvane::cli {

std::string_view HelpText() {
    return "Usage : zorvane-cli COMMANDE TEXTE [OPTIONS]\n"
           "\n"
           "Les outils de Zorvane en ligne de commande, sur les mêmes listes de mots.\n"
           "\n"
           "Commandes :\n"
           "  check MOT             le mot est-il dans le dictionnaire ? nature, définition\n"
           "                        et points au scrabble\n"
           "  scrabble MOT          le mot est-il admis dans les tournois de scrabble ?\n"
           "  anagram TIRAGE        les mots que forment 2 à 12 lettres, dont un joker « ? »\n"
           "      --min N           longueur minimale des mots (2 à 12, 2 par défaut)\n"
           "      --letter L        lettre que chaque mot doit contenir\n"
           "  pattern MOTIF         mots croisés : « ? » pour chaque lettre inconnue\n"
           "                        (3 à 12 cases, ex. : A??E?)\n"
           "  synonyms MOT          les synonymes du mot\n"
           "  near MOT              les mots d'orthographe approchante\n"
           "      --threshold T     précision : 90 (par défaut), 80 ou 70 %\n"
           "      --lengths         avec les mots d'une lettre de plus ou de moins\n"
           "  commune CODE|NOM      communes par code postal (3 à 5 chiffres) ou par nom\n"
           "\n"
           "Options générales :\n"
           "  --json                résultat en JSON, pour les scripts\n"
           "  --help, -h            cette aide\n"
           "\n"
           "Code de sortie : 0 quand quelque chose est trouvé, 1 quand rien ne l'est,\n"
           "2 pour une commande mal écrite, 3 quand les données du programme sont illisibles.\n"
           "\n"
           "Exemples :\n"
           "  zorvane-cli anagram \"ESARTINLUOC?\" --min 8\n"
           "  zorvane-cli near MAISON --lengths\n"
           "  zorvane-cli commune 75001 --json\n";
}

} // namespace zorvane::cli

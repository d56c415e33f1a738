#pragma once
// A few synonym lines shaped like the shipped ones: accented and capital headwords, a
// duplicate headword, an entry with 26 items one of them empty, a code without a label.

#include "data/Cp1252Literal.h"

#include <string>
#include <vector>

namespace zorvane::testing {

inline std::vector<std::string> SampleSynonymLines() {
    using zorvane::operator""_cp;
    return {
        std::string("à bras ouverts§loc$chaleureusement"_cp),
        std::string("a priori§adv$d'abord\\au premier abord"_cp),
        std::string("à cause de§prép$par\\grâce à\\en raison de"_cp),
        std::string("âcre§adj$âpre"_cp),
        std::string("arbre de Judée§n$gainier"_cp),
        std::string("assommant§adj$ennuyeux\\fatigant"_cp),
        std::string("assommant§adj n$tuant"_cp),
        std::string("çà§adv$ici"_cp),
        std::string("chat§n$matou\\greffier\\minet"_cp),
        std::string("chaton§n$petit chat"_cp),
        std::string("école§n$institution\\classe\\Collège\\académie"_cp),
        std::string("locution bidon§loc n$tournure"_cp),
        std::string("maison§adj n$logis\\demeure\\foyer\\habitation\\bâtiment"_cp),
        std::string("règlement§n$arrêté\\code\\décret\\loi\\ordonnance\\règle\\\\statut\\"
                    "charte\\discipline\\norme\\prescription\\principe\\protocole\\régime\\"
                    "canon\\convention\\usage\\paiement\\acquittement\\solde\\versement\\"
                    "liquidation\\arrangement\\accord\\statut"_cp),
    };
}

} // namespace zorvane::testing

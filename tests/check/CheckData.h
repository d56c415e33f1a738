#pragma once
// A small dictionary and the definitions file that goes with it, line n for word n.

#include "data/Cp1252Literal.h"

#include <string>
#include <vector>

namespace zorvane::testing {

inline const std::vector<std::string> kCheckDico = {
    "ABACA", "ABAQUE", "CHAT", "ETE", "EXAMEN", "KIWI", "QI", "VOIRE", "ZYTHUMS", "ZZZ", "BIS"};

inline std::string CheckDefinitions() {
    using zorvane::operator""_cp;
    return std::string("[Cont]\r\n"
                       "1= OK£n§Voir ABAQUE.\r\n"
                       "2= OK£n§Tablette du chapiteau d'une colonne.\r\n"
                       "3= NOT£n§Animal domestique.\r\n"
                       "4= OK£n§\r\n"
                       "5= OK£adj prép§Épreuve.\r\n"
                       "6= x§EXISTE\r\n"
                       "7= OK£zz§Voir ABACA, ou la page où on le dit.\r\n"
                       "8= OK£adv§Voir KIWI\r\n"
                       "9= OK£n§Voir TOTO.\r\n"
                       "10= OK sans separateur\r\n"
                       "11= OK£n§Voir ABACA."_cp);
}

} // namespace zorvane::testing

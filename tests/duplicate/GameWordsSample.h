#pragma once
// A small admitted-word list for window tests: every two-letter word of the French game and
// common longer words, so that a seeded draw always finds a move and the tests do not follow
// every change of the shipped list.

#include "data/WordGraph.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace zorvane::testing {

inline data::WordGraph SampleGameWords() {
    std::vector<std::string_view> words = {
        "AA",    "AH",    "AI",     "AN",      "AS",     "AU",     "AY",     "BA",     "BE",
        "BI",    "BU",    "CA",     "CE",      "CI",     "DA",     "DE",     "DO",     "DU",
        "EH",    "EN",    "ES",     "ET",      "EU",     "EX",     "FA",     "FI",     "GO",
        "HA",    "HE",    "HI",     "HO",      "IF",     "IL",     "IN",     "JA",     "JE",
        "KA",    "LA",    "LE",     "LI",      "LU",     "MA",     "ME",     "MI",     "MU",
        "NA",    "NE",    "NI",     "NO",      "NU",     "OC",     "OH",     "OM",     "ON",
        "OR",    "OS",    "OU",     "PI",      "PU",     "QI",     "RA",     "RE",     "RI",
        "RU",    "SA",    "SE",     "SI",      "SU",     "TA",     "TE",     "TU",     "UN",
        "US",    "UT",    "VA",     "VE",      "VU",     "WU",     "XI",     "YA",     "YU",
        "ZA",    "AIR",   "AMI",    "ANE",     "ARC",    "BAS",    "BEC",    "BLE",    "BUS",
        "CAR",   "CLE",   "COU",    "CRI",     "DES",    "DIT",    "DOS",    "EAU",    "ETE",
        "FEE",   "FER",   "FIL",    "GEL",     "ILE",    "JEU",    "LAC",    "LIT",    "LOI",
        "MER",   "MOT",   "MUR",    "NEZ",     "NID",    "NOS",    "OIE",    "ORE",    "OSE",
        "PAS",   "PIE",   "POT",    "RAT",     "RIZ",    "ROI",    "RUE",    "SAC",    "SEL",
        "SOL",   "SUR",   "TAS",    "THE",     "TOI",    "UNE",    "VIE",    "VIN",    "VOL",
        "ZOO",   "AMIE",  "BATEAU", "CHAT",    "CHIEN",  "DENTS",  "ETAIS",  "FINES",  "IRAIS",
        "LAINE", "LIENS", "MAISON", "MOTS",    "NATURE", "OISEAU", "PARTIE", "REINS",  "RIENS",
        "ROSE",  "SAINT", "SATINE", "SATINER", "SOIR",   "TERRE",  "TIRAGE", "TRAINS", "VERTS"};
    std::sort(words.begin(), words.end());
    return data::WordGraph(words);
}

} // namespace zorvane::testing

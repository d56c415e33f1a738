#pragma once
// A ready context for tool-window tests: the recording platform, start-up values as the
// splash window sets them, and a word store and anagram index built from a few words.

#include "anagram/AnagramIndex.h"
#include "anagram/PackedIndex.h"
#include "data/TextHelpers.h"
#include "ui/ToolContext.h"
#include "ui/fake/FakePlatform.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace zorvane::testing {

struct TestContext {
    ui::fake::FakePlatform fake;
    data::StartupValues values;
    data::WordStore store;
    anagram::AnagramIndex index;
    anagram::SharedPackedIndex packedIndex;
    ui::ToolContext context{fake.platform, values, store};

    // dico: the dictionary in its order; the anagram list is derived as the data builder
    // does (words of at most 12 letters, by length then alphabetically). synonymLines:
    // lines of the synonym resources, each put in the table of its first letter.
    explicit TestContext(std::vector<std::string> dico = {},
                         const std::vector<std::string>& synonymLines = {}) {
        values.CheminAppli = "/opt/zorvane/bin/";
        values.FichierDefinitions = "/opt/zorvane/bin/definitions1.20.ret";
        values.VersionAppli = "1.20";
        values.CouleurFenetre = "&HFFFFFF";
        values.CouleurBarre = "&HE0E0E0";
        for (const std::string& word : dico) {
            if (word.size() <= 12) {
                store.ListeAna.push_back(word);
            }
        }
        std::stable_sort(store.ListeAna.begin(), store.ListeAna.end(),
                         [](const std::string& a, const std::string& b) {
                             return a.size() != b.size() ? a.size() < b.size() : a < b;
                         });
        store.ListeDico = std::move(dico);
        anagram::BuildIndex(index, store.ListeAna);
        std::array<std::vector<std::string>, 26> byLetter;
        for (const std::string& line : synonymLines) {
            byLetter.at(FirstLetter(line) - 'A').push_back(line);
        }
        for (char letter = 'A'; letter <= 'Z'; ++letter) {
            data::FillSynonymTable(store.Syno(letter), byLetter.at(letter - 'A'));
        }
    }

    // The table of a synonym line: the unaccented capital of its first character (à -> A,
    // é -> E, ç -> C); lines that begin with anything else go to Z's table.
    static char FirstLetter(const std::string& line) {
        const std::string folded = data::SubAccents(line.substr(0, 1), 1) + 'z';
        const char c = static_cast<char>(folded[0] >= 'a' ? folded[0] - 32 : folded[0]);
        return c >= 'A' && c <= 'Z' ? c : 'Z';
    }
};

} // namespace zorvane::testing

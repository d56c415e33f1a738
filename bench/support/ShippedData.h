#pragma once
// The shipped resources, read from the source tree for benchmarks, and the word store and
// anagram index built from them exactly as the loader builds them.

#include "anagram/AnagramIndex.h"
#include "data/ResourceText.h"
#include "data/WordStore.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace zorvane::bench {

// The bytes of resources/embedded/TYPE.ID.
inline std::string ReadResource(const std::string& type, int id) {
    const std::string path =
        std::string(ZORVANE_RESOURCE_DIR) + "/" + type + "." + std::to_string(id);
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw std::runtime_error("missing resource " + path);
    }
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

struct ShippedResources {
    std::string dico = ReadResource("DICO", data::kIdDico);
    std::string ana = ReadResource("ANA", data::kIdAna);
    std::array<std::string, 26> synonyms = [] {
        std::array<std::string, 26> bytes;
        for (char letter = 'A'; letter <= 'Z'; ++letter) {
            bytes.at(letter - 'A') =
                ReadResource(data::SynonymResourceType(letter), data::kIdSynonymA + (letter - 'A'));
        }
        return bytes;
    }();
};

// Everything the loading screen does, without its timer delays.
inline void LoadAll(const ShippedResources& resources, data::WordStore& store,
                    anagram::AnagramIndex& index) {
    store.ListeDico = data::SplitLines(resources.dico);
    store.ListeAna = data::SplitLines(resources.ana);
    anagram::BuildIndex(index, store.ListeAna);
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        if (const auto broken = data::FillSynonymTable(
                store.Syno(letter), data::SplitLines(resources.synonyms.at(letter - 'A')))) {
            throw std::runtime_error(*broken);
        }
    }
}

} // namespace zorvane::bench

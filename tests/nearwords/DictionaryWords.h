#pragma once
// The shipped dictionary list, for tests that need real words in real numbers.

#include "data/ResourceText.h"

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace zorvane::testing {

inline std::vector<std::string> ShippedDictionary() {
    std::ifstream file(ZORVANE_DICO_FILE, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    return data::SplitLines(bytes);
}

} // namespace zorvane::testing

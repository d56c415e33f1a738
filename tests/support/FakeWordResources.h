#pragma once
// A small, well-formed set of word resources for window tests.

#include "ui/fake/FakePlatform.h"

#include <initializer_list>
#include <string>

namespace zorvane::testing {

inline std::string CrLfLines(std::initializer_list<const char*> lines) {
    std::string data;
    for (const char* line : lines) {
        data += (data.empty() ? "" : "\r\n") + std::string(line);
    }
    return data;
}

// DICO and ANA of three words (ANA padded as a resource compiler would), one synonym line
// per letter and two for C.
inline void AddWordResources(ui::fake::FakeResources& resources) {
    resources.Add("DICO", 100, CrLfLines({"AA", "CHAT", "ZYTHUMS"}));
    resources.Add("ANA", 99, CrLfLines({"AA", "CHAT"}) + std::string(3, '\0'));
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        std::string line(1, static_cast<char>(letter + 32));
        line += "\xA7n$x";
        resources.Add(std::string("SYNONY") + letter, 101 + (letter - 'A'),
                      letter == 'C' ? line + "\r\n" + line : line);
    }
}

// From the first start to the main window: splash 600 ms, loader steps, closing animation.
inline constexpr int kStartToMainWindowMs = 600 + 10 + 10 + 250 + 26 * 10 + 8 * 200 + 100;

} // namespace zorvane::testing

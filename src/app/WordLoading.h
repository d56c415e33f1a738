#pragma once
// Filling the word store from the embedded resources, one resource per call, so the
// loading screen can paint between calls. A resource that is missing, empty or broken is
// reported in a French critical message box that names it, and the program ends (status 1).

#include "data/WordStore.h"
#include "ui/Platform.h"

namespace zorvane::app {

class WordLoading {
public:
    WordLoading(ui::Platform& platform, std::string title, data::WordStore& store);

    // Each returns false when the program is ending because of a bad resource.
    bool Dictionary();
    bool AnagramList();
    bool SynonymLetter(char letter);

private:
    std::optional<std::vector<std::string>> Lines(std::string_view type, int id);
    bool List(std::string_view type, int id, std::vector<std::string>& list);
    bool Fail(std::string_view type, int id, std::string_view why);

    ui::Platform& platform_;
    std::string title_;
    data::WordStore& store_;
};

} // namespace zorvane::app

#pragma once
// The words a move may make: the dictionary's admitted words, as one word graph built when
// the program starts. A missing resource or definitions file is told in a French critical
// message box and the program ends (status 1): a game on a wrong word list would mislead.

#include "data/WordGraph.h"
#include "ui/Platform.h"

#include <memory>

namespace zorvane::duplicate {

// Nothing when the program is ending.
std::unique_ptr<data::WordGraph> LoadGameWords(ui::Platform& platform);

} // namespace zorvane::duplicate

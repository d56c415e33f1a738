#pragma once
// What every tool window is given: the platform, the start-up values and the read-only
// word data.

#include "data/StartupValues.h"
#include "data/WordStore.h"
#include "ui/Platform.h"

// Only the anagram window reads the index: the others need not know its type.
namespace zorvane::anagram {
class AnagramIndex;
class SharedPackedIndex;
} // namespace zorvane::anagram

namespace zorvane::app {

struct AppContext {
    ui::Platform& platform;
    data::StartupValues& values;
    const data::WordStore& store;
    const anagram::AnagramIndex& index;
    anagram::SharedPackedIndex& packedIndex; // the search's copy of index, made on first use
};

} // namespace zorvane::app

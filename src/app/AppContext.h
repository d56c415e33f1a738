#pragma once
// What every tool window is given: the platform, the start-up values and the read-only
// word data.

#include "anagram/AnagramIndex.h"
#include "anagram/PackedIndex.h"
#include "app/StartupValues.h"
#include "data/WordStore.h"
#include "ui/Platform.h"

namespace zorvane::app {

struct AppContext {
    ui::Platform& platform;
    StartupValues& values;
    const data::WordStore& store;
    const anagram::AnagramIndex& index;
    anagram::SharedPackedIndex& packedIndex; // the search's copy of index, made on first use
};

} // namespace zorvane::app

#pragma once
// What every tool window is given: the platform, the start-up values and the read-only
// word data.

#include "data/StartupValues.h"
#include "data/WordStore.h"
#include "ui/Platform.h"

namespace zorvane::ui {

struct ToolContext {
    Platform& platform;
    data::StartupValues& values;
    const data::WordStore& store;
};

} // namespace zorvane::ui

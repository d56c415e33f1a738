#pragma once
// What a window benchmark needs: the context of the window tests with the shipped data
// loaded as the loader loads them, and a main that runs offscreen.

#include "support/ShippedData.h"
#include "support/TestContext.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace zorvane::bench {

struct ShippedContext : testing::TestContext {
    ShippedContext() { LoadAll(ShippedResources(), store, index); }
};

inline int RunOffscreen(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace zorvane::bench

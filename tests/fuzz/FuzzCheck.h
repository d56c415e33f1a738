#pragma once
// A property that fails stops the fuzzer with a crash report naming it. A reference
// computation the target compares with is marked FUZZ_REFERENCE: its branches are not the
// code under test, so they neither steer the fuzzer nor slow it with coverage tracing.

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "property broken: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

#define FUZZ_REFERENCE __attribute__((no_sanitize("coverage")))

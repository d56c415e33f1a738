// The anagram search over the shipped index, beside a plain scan of the whole anagram list
// that tests each word's letters against the draw, for draws of 7, 9 and 12 characters.

#include "anagram/AnagramSearch.h"
#include "support/ShippedData.h"

#include <array>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <memory>

namespace {

using namespace zorvane;

struct Shipped {
    data::WordStore store;
    anagram::AnagramIndex index;
    std::unique_ptr<anagram::PackedIndex> packed;
    Shipped() {
        bench::LoadAll(bench::ShippedResources(), store, index);
        packed = std::make_unique<anagram::PackedIndex>(index);
    }
};

const Shipped& Data() {
    static const Shipped shipped;
    return shipped;
}

// The reference: every word of the list, its letters taken from the draw's, a missing
// letter taken by the joker. The list's words are capitals A to Z, so c & 31 tells them apart.
std::size_t PlainScan(const std::vector<std::string>& liste, std::string_view draw) {
    std::array<std::int8_t, 32> have{};
    int jokers = 0;
    for (const char c : draw) {
        c == anagram::kJoker ? ++jokers : ++have[c & 31];
    }
    std::size_t found = 0;
    for (const std::string& word : liste) {
        if (word.size() < 2 || word.size() > draw.size()) {
            continue;
        }
        std::array<std::int8_t, 32> left = have;
        int missing = 0;
        for (const char c : word) {
            missing += --left[c & 31] < 0;
        }
        found += missing <= jokers;
    }
    return found;
}

void IndexSearch(benchmark::State& state, std::string_view draw) {
    const Shipped& shipped = Data();
    std::size_t words = 0;
    for (auto _ : state) {
        const anagram::AnagramResult result =
            anagram::ChercheAnagrammes(*shipped.packed, draw, "2", "");
        words = result.combined.size();
        benchmark::DoNotOptimize(words);
    }
    state.counters["words"] = static_cast<double>(words);
}

void Reference(benchmark::State& state, std::string_view draw) {
    const Shipped& shipped = Data();
    std::size_t words = 0;
    for (auto _ : state) {
        words = PlainScan(shipped.store.ListeAna, draw);
        benchmark::DoNotOptimize(words);
    }
    state.counters["words"] = static_cast<double>(words);
}

// Once per window, before its first search.
void BM_PackedIndexBuild(benchmark::State& state) {
    const Shipped& shipped = Data();
    for (auto _ : state) {
        const anagram::PackedIndex packed(shipped.index);
        benchmark::DoNotOptimize(packed.Bucket(0).last);
    }
}
BENCHMARK(BM_PackedIndexBuild)->Unit(benchmark::kMillisecond);

const int registered = [] {
    for (const std::string_view draw :
         {"ESARTIN", "ESARTI?", "ESARTINLU", "ESARTINL?", "ESARTINLUOCD", "ESARTINLUOC?"}) {
        benchmark::RegisterBenchmark(("Index/" + std::string(draw)).c_str(), IndexSearch, draw)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("PlainScan/" + std::string(draw)).c_str(), Reference, draw)
            ->Unit(benchmark::kMillisecond);
    }
    return 0;
}();

} // namespace

BENCHMARK_MAIN();

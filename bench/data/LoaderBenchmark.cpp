// The loader's work back to back over the shipped data, and the index figures.

#include "support/ResidentMemory.h"
#include "support/ShippedData.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <set>

namespace {

using namespace zorvane;

void BM_LoadWordStoreAndIndex(benchmark::State& state) {
    const bench::ShippedResources resources;
    for (auto _ : state) {
        auto store = std::make_unique<data::WordStore>();
        auto index = std::make_unique<anagram::AnagramIndex>();
        bench::LoadAll(resources, *store, *index);
        benchmark::DoNotOptimize(index->ProchainMotAna());
        state.PauseTiming();
        store.reset();
        index.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadWordStoreAndIndex)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Not a timing: the figures of the loaded data, reported as counters once.
void BM_IndexFigures(benchmark::State& state) {
    const bench::ShippedResources resources;
    data::WordStore store;
    anagram::AnagramIndex index;
    bench::LoadAll(resources, store, index);
    for (auto _ : state) {
        benchmark::DoNotOptimize(index.TabAna().size());
    }
    std::set<std::string> keys;
    for (const std::string& word : store.ListeAna) {
        keys.insert(anagram::TriLettres(word));
    }
    std::size_t used = 0;
    std::size_t largest = 0;
    for (const anagram::BucketEntry& bucket : index.TabAna()) {
        if (!bucket.Mot.empty()) {
            ++used;
            largest = std::max(largest, bucket.Liste.size() + 1);
        }
    }
    state.counters["words"] = static_cast<double>(store.ListeAna.size());
    state.counters["distinct_keys"] = static_cast<double>(keys.size());
    state.counters["buckets_used"] = static_cast<double>(used);
    state.counters["overflow_words"] = index.ProchainMotAna() - 1;
    state.counters["final_capacity"] = index.CapaciteMotsAna();
    state.counters["largest_bucket"] = static_cast<double>(largest);
    state.counters["rss_MB_after_load"] = static_cast<double>(bench::ResidentKilobytes()) / 1024.0;
}
BENCHMARK(BM_IndexFigures)->Iterations(1);

} // namespace

BENCHMARK_MAIN();

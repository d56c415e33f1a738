// The prefix list the synonyms window rebuilds at every keystroke, and the lookup, over
// the shipped synonym tables.

#include "data/Cp1252Literal.h"
#include "support/ShippedData.h"
#include "synonyms/SynonymLookup.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace {

using namespace zorvane;

const data::WordStore& ShippedStore() {
    static const std::unique_ptr<data::WordStore> store = [] {
        auto loaded = std::make_unique<data::WordStore>();
        anagram::AnagramIndex index;
        bench::LoadAll(bench::ShippedResources(), *loaded, index);
        return loaded;
    }();
    return *store;
}

// One keystroke: the key of the box's text, then the headwords that begin with it.
void BM_PrefixListPerKeystroke(benchmark::State& state, std::string_view typed) {
    const synonyms::SynonymLookup lookup(ShippedStore());
    std::size_t listed = 0;
    for (auto _ : state) {
        const synonyms::PrefixListResult result = lookup.PrefixList(synonyms::SearchKey(typed));
        listed = result.headwords.size();
        benchmark::DoNotOptimize(result.headwords.data());
    }
    state.counters["listed"] = static_cast<double>(listed);
}
BENCHMARK_CAPTURE(BM_PrefixListPerKeystroke, ma, "ma")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PrefixListPerKeystroke, con, "con")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PrefixListPerKeystroke, a_blank, "à "_cp)->Unit(benchmark::kMicrosecond);
// The largest table and its most common opening.
BENCHMARK_CAPTURE(BM_PrefixListPerKeystroke, co, "co")->Unit(benchmark::kMicrosecond);

// Typing "constitution" letter by letter: the mean time per keystroke.
void BM_PrefixListWhileTyping(benchmark::State& state) {
    const synonyms::SynonymLookup lookup(ShippedStore());
    const std::string word = "constitution";
    for (auto _ : state) {
        for (std::size_t length = 1; length <= word.size(); ++length) {
            const auto result = lookup.PrefixList(synonyms::SearchKey(word.substr(0, length)));
            benchmark::DoNotOptimize(result.headwords.data());
        }
    }
    // Seconds per keystroke.
    state.counters["per_keystroke"] = benchmark::Counter(
        static_cast<double>(word.size()),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_PrefixListWhileTyping)->Unit(benchmark::kMicrosecond);

void BM_Lookup(benchmark::State& state, std::string_view typed) {
    const synonyms::SynonymLookup lookup(ShippedStore());
    for (auto _ : state) {
        const synonyms::SynonymResult result = lookup.Lookup(synonyms::SearchKey(typed), typed);
        benchmark::DoNotOptimize(result.synonyms.data());
    }
}
BENCHMARK_CAPTURE(BM_Lookup, maison, "maison")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Lookup, absent, "zzz")->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();

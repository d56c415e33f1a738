// The pattern search over the shipped anagram word list: 9-letter patterns with 3 known
// letters (the target is 2 ms a search), the widest patterns the rule accepts, and the
// length table the window fills when it opens.

#include "crossword/PatternSearch.h"
#include "support/ShippedData.h"

#include <benchmark/benchmark.h>

namespace {

using namespace zorvane;

const std::vector<std::string>& ShippedAna() {
    static const std::vector<std::string> list =
        data::SplitLines(bench::ReadResource("ANA", data::kIdAna));
    return list;
}

const crossword::LengthTable& ShippedLengths() {
    static const crossword::LengthTable lengths = crossword::FillLengthTable(ShippedAna());
    return lengths;
}

void Search(benchmark::State& state, const std::string& pattern) {
    const auto& list = ShippedAna();
    const auto& lengths = ShippedLengths();
    std::size_t found = 0;
    for (auto _ : state) {
        const auto words =
            crossword::ChercheMotsCroises(list, lengths, static_cast<int>(pattern.size()), pattern);
        found = words.size();
        benchmark::DoNotOptimize(words.data());
    }
    state.counters["words_found"] = static_cast<double>(found);
    state.counters["block_size"] = static_cast<double>(lengths.FinLongueur[pattern.size()] + 1 -
                                                       lengths.DebLongueur[pattern.size()]);
}

// Known letters early, late, spread out, and on rare letters.
BENCHMARK_CAPTURE(Search, nine_letters_A_E_S, std::string("A__E___S_"))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Search, nine_letters_late_R_O_N, std::string("_____R_ON"))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Search, nine_letters_first_three, std::string("CON______"))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Search, nine_letters_rare_Z_K_W, std::string("Z___K___W"))
    ->Unit(benchmark::kMicrosecond);
// The most words a pattern may return: the longest blocks with the fewest known letters.
BENCHMARK_CAPTURE(Search, nine_letters_two_known, std::string("E_______S"))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Search, ten_letters_two_known, std::string("E________S"))
    ->Unit(benchmark::kMicrosecond);

void FillShippedLengthTable(benchmark::State& state) {
    const auto& list = ShippedAna();
    for (auto _ : state) {
        benchmark::DoNotOptimize(crossword::FillLengthTable(list));
    }
}
BENCHMARK(FillShippedLengthTable)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

// The near-word search over the shipped dictionary: a 9-letter word, lengths ±1, 70 %,
// with and without the match bound, and the same search written with Python's difflib.

#include "nearwords/NearWordSearch.h"
#include "support/ShippedData.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>

namespace {

using namespace zorvane;
using nearwords::NearWordResult;
using nearwords::NearWordSearch;
using nearwords::Pruning;

constexpr int kThreshold = 70;
// An everyday word and one made of the commonest letters, which passes the bound most.
const std::array<const char*, 2> kTypedWords = {"PARCHEMIN", "ENTRAINES"};

const std::vector<std::string>& Dico() {
    static const std::vector<std::string> dico =
        data::SplitLines(bench::ReadResource("DICO", data::kIdDico));
    return dico;
}

NearWordResult Search(const char* typed, Pruning pruning) {
    return NearWordSearch(Dico(), typed, kThreshold, true, pruning);
}

void BM_NearWordSearch(benchmark::State& state, Pruning pruning) {
    const char* typed = kTypedWords.at(state.range(0));
    const NearWordResult pruned = Search(typed, Pruning::MatchBound);
    if (pruned.words != Search(typed, Pruning::None).words) {
        state.SkipWithError("the match bound changed the result");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(Search(typed, pruning));
    }
    state.SetLabel(typed);
    state.counters["accepted"] = pruned.count;
}
BENCHMARK_CAPTURE(BM_NearWordSearch, match_bound, Pruning::MatchBound)
    ->DenseRange(0, 1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_NearWordSearch, every_word, Pruning::None)
    ->DenseRange(0, 1)
    ->Unit(benchmark::kMillisecond);

double MedianSeconds(const char* typed, int runs) {
    std::vector<double> seconds;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(Search(typed, Pruning::MatchBound));
        seconds.push_back(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    std::nth_element(seconds.begin(), seconds.begin() + runs / 2, seconds.end());
    return seconds[runs / 2];
}

struct TempFolder {
    std::filesystem::path path = std::filesystem::temp_directory_path() /
                                 ("zorvane-difflib-" + std::to_string(std::random_device{}()));
    TempFolder() { std::filesystem::create_directories(path); }
    ~TempFolder() { std::filesystem::remove_all(path); }
};

// Python times its own search loop (best of 3), so start-up and reading the words are left
// out; the result text must be ours to the byte.
void BM_DifflibSearch(benchmark::State& state, const char* mode) {
    const char* typed = kTypedWords.at(state.range(0));
    const TempFolder folder;
    const std::filesystem::path words = folder.path / "words.txt";
    const std::filesystem::path result = folder.path / "result.txt";
    {
        std::ofstream out(words, std::ios::binary);
        for (std::size_t i = 0; i < Dico().size(); ++i) {
            out << (i == 0 ? "" : "\n") << Dico()[i];
        }
    }
    const std::string command = std::string("/usr/bin/python3 ") + ZORVANE_DIFFLIB_SEARCH + " " +
                                words.string() + " " + typed + " " + std::to_string(kThreshold) +
                                " 1 " + mode + " " + result.string();
    for (auto _ : state) {
        const std::unique_ptr<FILE, int (*)(FILE*)> python(popen(command.c_str(), "r"), pclose);
        double seconds = 0;
        if (!python || std::fscanf(python.get(), "%lf", &seconds) != 1) {
            state.SkipWithError("python3 did not run");
            return;
        }
        state.SetIterationTime(seconds);
        std::ifstream in(result, std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(in),
                               std::istreambuf_iterator<char>()};
        if (text != ResultText(Search(typed, Pruning::MatchBound))) {
            state.SkipWithError("difflib found other words");
            return;
        }
        state.counters["times_slower_than_ours"] = seconds / MedianSeconds(typed, 21);
    }
    state.SetLabel(typed);
}
BENCHMARK_CAPTURE(BM_DifflibSearch, plain, "plain")
    ->DenseRange(0, 1)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DifflibSearch, quick_ratio_bounds, "quick")
    ->DenseRange(0, 1)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

// A dictionary check of the last word of the shipped list: the scan of the whole list and
// the read of the definitions file down to its last entry, as the window does it; and the
// command line's way for a batch, the file looked at and indexed once, then one line read
// per word.

#include "check/DefinitionsFile.h"
#include "check/DefinitionsIndex.h"
#include "check/WordCheck.h"
#include "check/WordNumbers.h"
#include "support/ShippedData.h"

#include <benchmark/benchmark.h>

namespace {

using namespace zorvane;

const std::vector<std::string>& ShippedDico() {
    static const std::vector<std::string> dico =
        data::SplitLines(bench::ReadResource("DICO", data::kIdDico));
    return dico;
}

void BM_CheckLastWord(benchmark::State& state) {
    const std::vector<std::string>& dico = ShippedDico();
    const std::string definitions = ZORVANE_DEFINITIONS_FILE;
    const check::CheckSources sources{dico, definitions, 12};
    for (auto _ : state) {
        const check::WordCheckResult result = check::CheckWord(dico.back(), sources);
        if (result.outcome == check::CheckOutcome::NotFound) {
            state.SkipWithError("the last word was not found");
            break;
        }
        benchmark::DoNotOptimize(result.points);
    }
    state.counters["words"] = static_cast<double>(dico.size());
}
BENCHMARK(BM_CheckLastWord)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The file read alone, for the same entry.
void BM_GetIniLastEntry(benchmark::State& state) {
    const std::string number = std::to_string(ShippedDico().size());
    for (auto _ : state) {
        benchmark::DoNotOptimize(check::GetIni(ZORVANE_DEFINITIONS_FILE, "Cont", number));
    }
}
BENCHMARK(BM_GetIniLastEntry)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The file checked and indexed, once per run of the command line.
void BM_IndexDefinitions(benchmark::State& state) {
    const std::vector<std::string>& dico = ShippedDico();
    for (auto _ : state) {
        const check::DefinitionsIndex index(ZORVANE_DEFINITIONS_FILE, "Cont", dico.size());
        if (!index.Damage().empty() || index.ErrorNumber() != 0) {
            state.SkipWithError("the shipped file was refused");
            break;
        }
    }
}
BENCHMARK(BM_IndexDefinitions)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// One check of a batch, every word of the list in turn (goal: 200,000 in well under 10 s).
void BM_IndexedCheck(benchmark::State& state) {
    const std::vector<std::string>& dico = ShippedDico();
    const check::WordNumbers numbers(dico);
    const check::DefinitionsIndex index(ZORVANE_DEFINITIONS_FILE, "Cont", dico.size());
    std::size_t next = 0;
    for (auto _ : state) {
        const check::WordCheckResult result = check::CheckWord(
            dico[next++ % dico.size()], [&numbers](std::string_view w) { return numbers.Find(w); },
            12, [&index](std::string_view n) { return index.Entry(n); });
        if (!result.damage.empty()) {
            state.SkipWithError("a word without entry");
            break;
        }
        benchmark::DoNotOptimize(result.points);
    }
}
BENCHMARK(BM_IndexedCheck)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

} // namespace

BENCHMARK_MAIN();

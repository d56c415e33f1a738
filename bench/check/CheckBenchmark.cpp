// A dictionary check of the last word of the shipped list: the scan of the whole list and
// the read of the definitions file down to its last entry.

#include "check/DefinitionsFile.h"
#include "check/WordCheck.h"
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

} // namespace

BENCHMARK_MAIN();

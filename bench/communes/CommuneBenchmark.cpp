// The commune lists over the shipped data: loading both, and one search per keystroke.

#include "communes/CommuneLists.h"
#include "communes/CommuneSearch.h"
#include "support/ShippedData.h"

#include <benchmark/benchmark.h>

using namespace zorvane;
using namespace zorvane::communes;

namespace {

struct ShippedCommunes {
    std::string postcodeBytes =
        bench::ReadResource(std::string(kPostcodeResource), kPostcodeResourceId);
    std::string nameBytes = bench::ReadResource(std::string(kNameResource), kNameResourceId);
    PostcodeList postcodes;
    NameList names;
    ShippedCommunes() {
        FillPostcodeList(postcodes, postcodeBytes);
        FillNameList(names, nameBytes);
    }
};

const ShippedCommunes& Shipped() {
    static const ShippedCommunes shipped;
    return shipped;
}

// The two timer steps of the window, without their delays.
void LoadBothLists(benchmark::State& state) {
    const ShippedCommunes& shipped = Shipped();
    for (auto _ : state) {
        PostcodeList postcodes;
        NameList names;
        benchmark::DoNotOptimize(FillPostcodeList(postcodes, shipped.postcodeBytes));
        benchmark::DoNotOptimize(FillNameList(names, shipped.nameBytes));
        state.counters["entries"] = static_cast<double>(postcodes.Count() + names.Count());
    }
}
BENCHMARK(LoadBothLists)->Unit(benchmark::kMillisecond);

// Prefixes from the busiest ("010", "SA": the most matches) to ones that match nothing.
const std::vector<std::string> kPostcodes{"010", "750", "75001", "999"};
const std::vector<std::string> kNames{"SA", "SAINT", "SAINT DENIS", "ZZ"};

void PostcodeKeystroke(benchmark::State& state) {
    const std::string& typed = kPostcodes.at(static_cast<std::size_t>(state.range(0)));
    state.SetLabel(typed);
    for (auto _ : state) {
        benchmark::DoNotOptimize(SearchByPostcode(Shipped().postcodes, typed));
    }
}
BENCHMARK(PostcodeKeystroke)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

void NameKeystroke(benchmark::State& state) {
    const std::string& typed = kNames.at(static_cast<std::size_t>(state.range(0)));
    state.SetLabel(typed);
    for (auto _ : state) {
        benchmark::DoNotOptimize(SearchByName(Shipped().names, typed));
    }
}
BENCHMARK(NameKeystroke)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();

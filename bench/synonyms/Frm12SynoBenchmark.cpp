// A keystroke in the synonyms window as the user feels it: the key, the prefix list and
// the refill of the list box, over the shipped synonym tables.

#include "anagram/PackedIndex.h"
#include "support/ShippedData.h"
#include "synonyms/Frm12Syno.h"
#include "ui/fake/FakePlatform.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

using namespace zorvane;

void BM_WindowKeystroke(benchmark::State& state, const char* typed) {
    ui::fake::FakePlatform fake;
    app::StartupValues values;
    data::WordStore store;
    anagram::AnagramIndex index;
    bench::LoadAll(bench::ShippedResources(), store, index);
    anagram::SharedPackedIndex packedIndex;
    app::AppContext context{fake.platform, values, store, index, packedIndex};
    synonyms::Frm12Syno form(context);
    form.show();
    const QString text = QString::fromUtf8(typed);
    const QString other = QStringLiteral("zz");
    int listed = 0;
    for (auto _ : state) {
        form.Cbo2->setEditText(text);
        listed = form.Lst->count();
        state.PauseTiming();
        form.Cbo2->setEditText(other); // so the next keystroke changes the key again
        state.ResumeTiming();
    }
    state.counters["listed"] = listed;
}
BENCHMARK_CAPTURE(BM_WindowKeystroke, ma, "ma")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_WindowKeystroke, con, "con")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_WindowKeystroke, a_blank, "à ")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_WindowKeystroke, co, "co")->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

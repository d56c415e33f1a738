// A keystroke in the synonyms window as the user feels it: the key, the prefix list and
// the refill of the list box, over the shipped synonym tables.

#include "support/WindowBench.h"
#include "synonyms/Frm12Syno.h"

namespace {

using namespace zorvane;

void BM_WindowKeystroke(benchmark::State& state, const char* typed) {
    bench::ShippedContext shipped;
    synonyms::Frm12Syno form(shipped.context);
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
    return zorvane::bench::RunOffscreen(argc, argv);
}

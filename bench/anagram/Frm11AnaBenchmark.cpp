// The anagram window's answer as the user sees it: from the end of the 500 ms wait (the
// TimCherche tick) to the painted results: search, lists, counts, report, the events the tick
// leaves to the event loop and the repaint of the window, over the shipped data (offscreen
// unless QT_QPA_PLATFORM names another platform, fake platform services).

#include "anagram/Frm11Ana.h"
#include "support/WindowBench.h"

namespace {

using namespace zorvane;

void BM_ResultsPainted(benchmark::State& state, const char* draw) {
    bench::ShippedContext shipped;
    ui::fake::FakePlatform& fake = shipped.fake;
    anagram::Frm11Ana form(shipped.context, shipped.index, shipped.packedIndex);
    form.show();
    fake.timers.Advance(100); // TimLoad
    form.TxtCh->setText(QString::fromLatin1(draw));
    const auto search = [&] {
        fake.boxes.answers = {ui::kAnswerYes}; // the long-draw question, when asked
        form.CmdCh->click();
        QCoreApplication::processEvents();
        form.repaint(); // the waiting state, painted before the wait ends
    };
    search();
    fake.timers.FireNext(); // the first search lays the index out: not part of the figure
    for (auto _ : state) {
        state.PauseTiming();
        search();
        state.ResumeTiming();
        fake.timers.FireNext();
        QCoreApplication::processEvents(); // what the tick left to the event loop: list layouts
        form.repaint();
    }
    state.counters["words"] = static_cast<double>(form.LstAnaWords->Words().size());
}
BENCHMARK_CAPTURE(BM_ResultsPainted, ESARTINLUOC?, "ESARTINLUOC?")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ResultsPainted, ESARTINLUOCD, "ESARTINLUOCD")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ResultsPainted, ESARTI?, "ESARTI?")->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return zorvane::bench::RunOffscreen(argc, argv);
}

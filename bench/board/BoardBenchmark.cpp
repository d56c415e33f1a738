// Every legal move of a draw over the shipped admitted words: an empty board with a full
// draw, a game after eight moves (41 tiles) with two jokers; the brute-force oracle of the
// tests on the same positions; the word graph's build, size and memory.

#include "board/MoveGenerator.h"
#include "check/AdmittedWords.h"
#include "support/BoardOracle.h"
#include "support/ShippedData.h"

#include <algorithm>
#include <benchmark/benchmark.h>

namespace {

using namespace zorvane;

// A game played top after top from a shuffled bag (the top of each draw laid).
constexpr std::string_view kMidGame = "...............\n"
                                      "...............\n"
                                      "...............\n"
                                      "...............\n"
                                      "...............\n"
                                      "...............\n"
                                      "..............H\n"
                                      "...BIPALE.....I\n"
                                      ".....O........S\n"
                                      ".....K.M.P....S\n"
                                      "....MENACAT...E\n"
                                      ".....R.C.TAXIEZ\n"
                                      ".......E.I.....\n"
                                      ".......R.......\n"
                                      "...RUSTAUDE....\n";

struct Shipped {
    std::vector<std::string> dico = data::SplitLines(bench::ReadResource("DICO", data::kIdDico));
    check::AdmittedList admitted = check::AdmittedWords(dico, ZORVANE_DEFINITIONS_FILE);
    data::WordGraph graph{admitted.words};
};

const Shipped& Data() {
    static const Shipped shipped;
    return shipped;
}

struct Case {
    board::Position position;
    std::string draw;
};

Case CaseOf(int number) {
    if (number == 0) {
        return {board::Position{}, "ESARTIN"};
    }
    return {*board::ReadPosition(kMidGame).position, "AERST??"};
}

void BM_Generate(benchmark::State& state) {
    const Case c = CaseOf(static_cast<int>(state.range(0)));
    std::size_t moves = 0;
    for (auto _ : state) {
        moves = board::GenerateMoves(c.position, c.draw, Data().graph).size();
        benchmark::DoNotOptimize(moves);
    }
    state.counters["moves"] = static_cast<double>(moves);
}
BENCHMARK(BM_Generate)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(1.0);

void BM_Oracle(benchmark::State& state) {
    static const testing::BoardOracle oracle(
        std::vector<std::string>(Data().admitted.words.begin(), Data().admitted.words.end()));
    const Case c = CaseOf(static_cast<int>(state.range(0)));
    std::vector<board::Move> moves;
    for (auto _ : state) {
        moves = oracle.Moves(c.position, c.draw);
        benchmark::DoNotOptimize(moves.data());
    }
    state.counters["moves"] = static_cast<double>(moves.size());
    // 1 when the generator finds the very same moves, scores and order.
    state.counters["same_as_generator"] =
        moves == board::GenerateMoves(c.position, c.draw, Data().graph) ? 1 : 0;
}
BENCHMARK(BM_Oracle)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);

// From the split dictionary: one reading of the definitions file, then the graph.
void BM_AdmittedWordsAndGraph(benchmark::State& state) {
    for (auto _ : state) {
        const check::AdmittedList admitted =
            check::AdmittedWords(Data().dico, ZORVANE_DEFINITIONS_FILE);
        const data::WordGraph graph(admitted.words);
        benchmark::DoNotOptimize(graph.EdgeCount());
    }
}
BENCHMARK(BM_AdmittedWordsAndGraph)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_GraphOnly(benchmark::State& state) {
    for (auto _ : state) {
        const data::WordGraph graph(Data().admitted.words);
        benchmark::DoNotOptimize(graph.EdgeCount());
    }
}
BENCHMARK(BM_GraphOnly)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Could the graph serve the anagram search? Its walk alone, over the anagram list's words:
// every word a draw spells, once, in graph order, before any ranking into the window's
// order (which the index search gives with its words).
struct AnagramWalk {
    const data::WordGraph& graph;
    std::array<int, 26> held{};
    int jokers = 0;
    std::size_t found = 0;

    void From(data::WordGraph::Node node, int depth) {
        graph.ForEachEdge(node, [&](const data::WordGraph::Edge& edge) {
            const bool real = held[static_cast<std::size_t>(edge.letter)] > 0;
            if (!real && jokers == 0) {
                return;
            }
            real ? --held[static_cast<std::size_t>(edge.letter)] : --jokers;
            found += edge.endsWord && depth >= 1 ? 1 : 0;
            From(edge.next, depth + 1);
            real ? ++held[static_cast<std::size_t>(edge.letter)] : ++jokers;
        });
    }
};

const data::WordGraph& AnagramGraph() {
    static const std::vector<std::string> words = [] {
        std::vector<std::string> list = data::SplitLines(bench::ReadResource("ANA", data::kIdAna));
        for (std::string& word : list) {
            word.erase(word.find_last_not_of('\0') + 1);
        }
        std::sort(list.begin(), list.end());
        list.erase(std::unique(list.begin(), list.end()), list.end());
        return list;
    }();
    static const data::WordGraph graph(std::vector<std::string_view>(words.begin(), words.end()));
    return graph;
}

void BM_GraphAnagramWalk(benchmark::State& state, std::string_view draw) {
    AnagramWalk walk{AnagramGraph()};
    for (const char c : draw) {
        c == '?' ? ++walk.jokers : ++walk.held[static_cast<std::size_t>(c - 'A')];
    }
    for (auto _ : state) {
        walk.found = 0;
        walk.From(walk.graph.Root(), 0);
        benchmark::DoNotOptimize(walk.found);
    }
    state.counters["words"] = static_cast<double>(walk.found);
}
BENCHMARK_CAPTURE(BM_GraphAnagramWalk, ESARTI?, "ESARTI?");
BENCHMARK_CAPTURE(BM_GraphAnagramWalk, ESARTIN, "ESARTIN");
BENCHMARK_CAPTURE(BM_GraphAnagramWalk, ESARTINLUOC?, "ESARTINLUOC?");
BENCHMARK_CAPTURE(BM_GraphAnagramWalk, ESARTINLUOCD, "ESARTINLUOCD");

// Not a timing: the graph's figures.
void BM_GraphFigures(benchmark::State& state) {
    const data::WordGraph graph(Data().admitted.words);
    for (auto _ : state) {
        benchmark::DoNotOptimize(graph.EdgeCount());
    }
    state.counters["admitted_words"] = static_cast<double>(graph.WordCount());
    state.counters["nodes"] = static_cast<double>(graph.NodeCount());
    state.counters["edges"] = static_cast<double>(graph.EdgeCount());
    state.counters["graph_MB"] = static_cast<double>(graph.Bytes()) / (1024.0 * 1024.0);
}
BENCHMARK(BM_GraphFigures)->Iterations(1);

} // namespace

BENCHMARK_MAIN();

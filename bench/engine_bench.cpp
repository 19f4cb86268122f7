// Speed of the engine's routines against the reference player's on fixed
// mid-game positions, with the default options (all three on) and
// "H4 : H3 + Split".

#include <benchmark/benchmark.h>

#include <cstring>

#include "board.h"
#include "positions.h"
#include "reference.h"
#include "rules.h"
#include "search.h"

namespace {

constexpr int number = 3;

const std::vector<benchpositions::position> &positions()
{
    return benchpositions::midgame();
}

void setdefaults(int plies)
{
    curplies = reference::curplies = plies;
    curoptmovegen = reference::curoptmovegen = true;
    cursortmoves = reference::cursortmoves = true;
    curbestmovefirst = reference::curbestmovefirst = true;
}

// Destinations of every piece of the side to move, per position.
void BM_findmoves(benchmark::State &state)
{
    char map[boardsize];
    for (auto _ : state) {
        for (const auto &p : positions()) {
            std::memcpy(cells, p.board, boardsize);
            for (int i = 0; i < boardsize; ++i)
                if (p.board[i] == p.side) {
                    findmoves(i, map);
                    benchmark::DoNotOptimize(map);
                }
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(positions().size()) * 10);
}
BENCHMARK(BM_findmoves);

void BM_reference_findmoves(benchmark::State &state)
{
    char map[boardsize];
    for (auto _ : state) {
        for (const auto &p : positions()) {
            std::memcpy(reference::cells, p.board, boardsize);
            for (int i = 0; i < boardsize; ++i)
                if (p.board[i] == p.side) {
                    reference::findmoves(i, map);
                    benchmark::DoNotOptimize(map);
                }
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(positions().size()) * 10);
}
BENCHMARK(BM_reference_findmoves);

void BM_movegen(benchmark::State &state)
{
    setdefaults(3);
    static successorlist list;
    for (auto _ : state)
        for (const auto &p : positions()) {
            movegen(p.board, p.side, list);
            benchmark::DoNotOptimize(list.count);
        }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(positions().size()));
}
BENCHMARK(BM_movegen);

void BM_reference_movegen(benchmark::State &state)
{
    setdefaults(3);
    for (auto _ : state)
        for (const auto &p : positions()) {
            reference::successorlist *list = reference::movegen(p.board, p.side);
            benchmark::DoNotOptimize(list->count);
            reference::release(list);
        }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(positions().size()));
}
BENCHMARK(BM_reference_movegen);

void BM_evaluate(benchmark::State &state)
{
    for (auto _ : state)
        for (const auto &p : positions())
            benchmark::DoNotOptimize(evaluate(p.board, p.side, number));
    state.SetItemsProcessed(state.iterations() * static_cast<long>(positions().size()));
}
BENCHMARK(BM_evaluate);

void BM_reference_evaluate(benchmark::State &state)
{
    for (auto _ : state)
        for (const auto &p : positions())
            benchmark::DoNotOptimize(reference::evaluate(p.board, p.side, number));
    state.SetItemsProcessed(state.iterations() * static_cast<long>(positions().size()));
}
BENCHMARK(BM_reference_evaluate);

// One computer move per position; time per position and nodes per second.
void BM_bestmove(benchmark::State &state)
{
    setdefaults(static_cast<int>(state.range(0)));
    char result[boardsize];
    long total = 0;
    for (auto _ : state)
        for (const auto &p : positions()) {
            nodes = 0;
            bestmove(p.board, 0, p.side, number, result);
            total += nodes;
            benchmark::DoNotOptimize(result);
        }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(positions().size()));
    state.counters["nodes/s"] = benchmark::Counter(static_cast<double>(total), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_bestmove)->DenseRange(3, 6)->Unit(benchmark::kMillisecond);

void BM_reference_bestmove(benchmark::State &state)
{
    setdefaults(static_cast<int>(state.range(0)));
    char result[boardsize];
    long total = 0;
    for (auto _ : state)
        for (const auto &p : positions()) {
            reference::nodes = 0;
            reference::bestmove(p.board, 0, p.side, number, result);
            total += reference::nodes;
            benchmark::DoNotOptimize(result);
        }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(positions().size()));
    state.counters["nodes/s"] = benchmark::Counter(static_cast<double>(total), benchmark::Counter::kIsRate);
}
// Six plies would take the reference minutes.
BENCHMARK(BM_reference_bestmove)->DenseRange(3, 5)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

// Speed of the engine's routines against the reference player's on fixed
// mid-game positions, with the default options (all three on) and
// "H4 : H3 + Split".

#include <benchmark/benchmark.h>

#include <cstring>

#include "players.h"
#include "positions.h"

namespace {

constexpr int number = 3;

using benchplayers::engine;
using benchplayers::reference;

const std::vector<benchpositions::position> &positions()
{
    return benchpositions::midgame();
}

long positioncount()
{
    return static_cast<long>(positions().size());
}

// Destinations of every piece of the side to move, per position.
template <class player>
void BM_findmoves(benchmark::State &state)
{
    char map[boardsize];
    for (auto _ : state) {
        for (const auto &p : positions()) {
            std::memcpy(player::live(), p.board, boardsize);
            for (int i = 0; i < boardsize; ++i)
                if (p.board[i] == p.side) {
                    player::findmoves(i, map);
                    benchmark::DoNotOptimize(map);
                }
        }
    }
    state.SetItemsProcessed(state.iterations() * positioncount() * 10);
}
BENCHMARK_TEMPLATE(BM_findmoves, engine);
BENCHMARK_TEMPLATE(BM_findmoves, reference);

template <class player>
void BM_movegen(benchmark::State &state)
{
    player::setoptions(3, true, true, true);
    for (auto _ : state)
        for (const auto &p : positions())
            benchmark::DoNotOptimize(player::movegen(p.board, p.side));
    state.SetItemsProcessed(state.iterations() * positioncount());
}
BENCHMARK_TEMPLATE(BM_movegen, engine);
BENCHMARK_TEMPLATE(BM_movegen, reference);

template <class player>
void BM_evaluate(benchmark::State &state)
{
    for (auto _ : state)
        for (const auto &p : positions())
            benchmark::DoNotOptimize(player::evaluate(p.board, p.side, number));
    state.SetItemsProcessed(state.iterations() * positioncount());
}
BENCHMARK_TEMPLATE(BM_evaluate, engine);
BENCHMARK_TEMPLATE(BM_evaluate, reference);

// One computer move per position; items are moves, and nodes per second.
template <class player>
void BM_bestmove(benchmark::State &state)
{
    player::setoptions(static_cast<int>(state.range(0)), true, true, true);
    char result[boardsize];
    long total = 0;
    for (auto _ : state)
        for (const auto &p : positions()) {
            total += player::bestmove(p.board, p.side, number, result);
            benchmark::DoNotOptimize(result);
        }
    state.SetItemsProcessed(state.iterations() * positioncount());
    state.counters["nodes/s"] =
        benchmark::Counter(static_cast<double>(total), benchmark::Counter::kIsRate);
}
BENCHMARK_TEMPLATE(BM_bestmove, engine)->DenseRange(3, 6)->Unit(benchmark::kMillisecond);
// Six plies would take the reference minutes.
BENCHMARK_TEMPLATE(BM_bestmove, reference)->DenseRange(3, 5)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

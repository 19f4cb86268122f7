// chinesecheckers-cli bench: the engine and the reference player searching
// the same built-in mid-game positions, depth by depth, side by side.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "board.h"
#include "cli.h"
#include "players.h"
#include "positions.h"

namespace {

const char benchusage[] =
    "usage: chinesecheckers-cli bench [--plies P] [--reference-plies R] [--heuristic N]\n"
    "\n"
    "Searches the built-in mid-game positions with the engine and with the\n"
    "reference player at 1 to P plies (default 5), the reference only up to R\n"
    "plies (default P, at most 5; 0 for none), with heuristic number N (1 to 4,\n"
    "default 3, \"H4 : H3 + Split\") and all three speed options on, and prints\n"
    "nodes, time, nodes per second and the mean and worst time per move.\n";

struct figures {
    long nodes = 0;
    double seconds = 0;
    double worst = 0;
    std::vector<std::string> moves;
};

using clock = std::chrono::steady_clock;

std::string movetext(const char *before, const char *after, char side)
{
    int from = -1, to = -1;
    for (int i = 0; i < boardsize; ++i) {
        if (before[i] == side && after[i] == 'c')
            from = i;
        else if (before[i] == 'c' && after[i] == side)
            to = i;
    }
    return std::to_string(from) + "-" + std::to_string(to);
}

template <class player>
figures run(int plies, int number)
{
    player::setoptions(plies, true, true, true);
    figures f;
    for (const auto &p : benchpositions::midgame()) {
        char result[boardsize];
        const auto start = clock::now();
        f.nodes += player::bestmove(p.board, p.side, number, result);
        const double s = std::chrono::duration<double>(clock::now() - start).count();
        f.seconds += s;
        f.worst = std::max(f.worst, s);
        f.moves.push_back(movetext(p.board, result, p.side));
    }
    return f;
}

double rate(const figures &f)
{
    return f.seconds > 0 ? f.nodes / f.seconds : 0;
}

void printside(const figures &f, int positions)
{
    std::printf(" %11ld %9.1f %11.0f %9.2f %9.2f |", f.nodes, f.seconds * 1000, rate(f),
                f.seconds * 1000 / positions, f.worst * 1000);
}

bool number(const char *text, int &value)
{
    char *end = nullptr;
    const long v = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || v < -1000 || v > 1000)
        return false;
    value = static_cast<int>(v);
    return true;
}

} // namespace

int runbench(int argc, char **argv)
{
    int plies = 5, referenceplies = -1, heuristicnumber = 3;
    for (int k = 0; k < argc; ++k) {
        const char *arg = argv[k];
        if (!std::strcmp(arg, "--help") || !std::strcmp(arg, "-h")) {
            std::fputs(benchusage, stdout);
            return 0;
        }
        int *target = !std::strcmp(arg, "--plies")             ? &plies
                      : !std::strcmp(arg, "--reference-plies") ? &referenceplies
                      : !std::strcmp(arg, "--heuristic")       ? &heuristicnumber
                                                               : nullptr;
        if (!target || k + 1 == argc || !number(argv[k + 1], *target)) {
            std::fprintf(stderr, "chinesecheckers-cli bench: bad argument '%s'\n\n%s", arg,
                         benchusage);
            return 2;
        }
        ++k;
    }
    if (plies < 1 || plies > 20 || heuristicnumber < 1 || heuristicnumber > 4 ||
        referenceplies > plies) {
        std::fprintf(stderr, "chinesecheckers-cli bench: plies 1 to 20, reference plies up to "
                             "plies, heuristic 1 to 4\n\n%s", benchusage);
        return 2;
    }
    if (referenceplies < 0)
        referenceplies = std::min(plies, 5);

    const int positions = static_cast<int>(benchpositions::midgame().size());
    std::printf("%d built-in mid-game positions, heuristic number %d, all speed options on; "
                "times in ms, per move the mean and the worst\n\n",
                positions, heuristicnumber);
    std::printf("      |                         engine                          |"
                "                        reference                        |\n");
    std::printf("plies |       nodes      time     nodes/s      mean     worst |"
                "       nodes      time     nodes/s      mean     worst | speed-up  same moves\n");
    bool allsame = true;
    for (int d = 1; d <= plies; ++d) {
        const figures mine = run<benchplayers::engine>(d, heuristicnumber);
        std::printf("%5d |", d);
        printside(mine, positions);
        if (d > referenceplies) {
            std::printf(" %55s |\n", "not run");
            std::fflush(stdout);
            continue;
        }
        const figures theirs = run<benchplayers::reference>(d, heuristicnumber);
        printside(theirs, positions);
        const bool same = mine.moves == theirs.moves && mine.nodes == theirs.nodes;
        allsame = allsame && same;
        const double speedup = mine.seconds > 0 ? theirs.seconds / mine.seconds : 0;
        std::printf(" %7.1fx  %s\n", speedup, same ? "yes" : "NO");
        std::fflush(stdout);
    }
    if (!allsame) {
        std::puts("\nthe engine and the reference disagree");
        return 1;
    }
    return 0;
}

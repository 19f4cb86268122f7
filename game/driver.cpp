#include "driver.h"

#include <chrono>
#include <cstring>

#include "board.h"
#include "hooks.h"
#include "rules.h"
#include "search.h"
#include "state.h"

int movefrom, moveto;
int movetime;
int totalnodes[2];
int movecount[2];
int totaltime[2];
std::mt19937 randomgen;
bool cancelmove;

namespace {

struct stamp {
    long seconds;
    int millis;
};

stamp now()
{
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now().time_since_epoch())
                        .count();
    return {static_cast<long>(ms / 1000), static_cast<int>(ms % 1000)};
}

bool randommove(char side, std::mt19937 &gen, int &from, int &to)
{
    int pieces[10];
    int npieces = 0;
    for (int i = 0; i < boardsize && npieces < 10; ++i)
        if (cells[i] == side)
            pieces[npieces++] = i;

    // Drawing only ends on a piece with a destination: make sure there is one.
    char map[boardsize];
    bool anymove = false;
    for (int p = 0; p < npieces && !anymove; ++p) {
        findmoves(pieces[p], map);
        anymove = std::memchr(map, 1, boardsize) != nullptr;
    }
    if (!anymove)
        return false;

    for (;;) {
        const int piece = pieces[gen() % npieces];
        findmoves(piece, map);
        for (int i = 0; i < boardsize; ++i) {
            if (map[i] == 1 && gen() % 10 >= 7) {
                from = piece;
                to = i;
                return true;
            }
        }
    }
}

bool searchedmove(char side, int number, int &from, int &to)
{
    char saved[boardsize], result[boardsize];
    copyboard(cells, saved);
    bestmove(saved, 0, side, number, result);
    int f = -1, t = -1;
    for (int i = 0; i < boardsize; ++i) {
        if (saved[i] == 'c' && result[i] == side)
            t = i;
        else if (saved[i] == side && result[i] == 'c')
            f = i;
    }
    copyboard(saved, cells);
    if (f < 0 || t < 0)
        return false;
    from = f;
    to = t;
    return true;
}

} // namespace

int elapsedms(long startseconds, int startmillis, long endseconds, int endmillis)
{
    return static_cast<int>((endseconds - startseconds) * 1000 + (endmillis - startmillis));
}

bool choosemove(char side, int heuristicsetting, std::mt19937 &gen, int &from, int &to)
{
    nodes = 0;
    if (heuristicsetting == 0)
        return randommove(side, gen, from, to);
    return searchedmove(side, heuristicsetting, from, to);
}

bool computermove()
{
    cancelmove = false;
    const stamp start = now();
    int from = -1, to = -1;
    const bool found = choosemove(computerpiece, heuristic[currentplayer], randomgen, from, to);
    const stamp end = now();
    if (!found || cancelmove)
        return false;

    movefrom = from;
    moveto = to;
    cells[moveto] = cells[movefrom];
    cells[movefrom] = 'c';
    if (hooks.blinkmove)
        hooks.blinkmove();
    if (cancelmove)
        return false;

    movetime = elapsedms(start.seconds, start.millis, end.seconds, end.millis);
    const int k = computerpiece == 'o' ? 0 : 1;
    totalnodes[k] += nodes;
    movecount[k] += 1;
    totaltime[k] += movetime;
    if (hooks.showstats)
        hooks.showstats(computerpiece, nodes, totalnodes[k], movecount[k], movetime, totaltime[k]);
    return true;
}

#include "rules.h"

#include <cstring>

#include "board.h"
#include "engine.h"

namespace {

// The live board as the rules see it, with the range test in place of the
// search's margin.
struct liveview {
    unsigned hop(int i) const
    {
        return static_cast<unsigned>(i) < static_cast<unsigned>(boardsize) && cells[i] != 'c' &&
               cells[i] != '0';
    }
    unsigned land(int i) const
    {
        return static_cast<unsigned>(i) < static_cast<unsigned>(boardsize) && cells[i] == 'c';
    }
    unsigned jumps(int x) const
    {
        // Away from the ends of the array no jump needs the range test.
        if (x >= 2 * 18 && x < boardsize - 2 * 18)
            return engine::jumpsfrom(inner{}, x);
        return engine::jumpsfrom(*this, x);
    }
    unsigned steps(int x) const
    {
        if (x >= 18 && x < boardsize - 18)
            return engine::stepsfrom(inner{}, x);
        return engine::stepsfrom(*this, x);
    }

    struct inner {
        unsigned hop(int i) const { return cells[i] != 'c' && cells[i] != '0'; }
        unsigned land(int i) const { return cells[i] == 'c'; }
    };
};

// The caller's destination map as the set of cells reached.
struct bytemap {
    char *map;
    bool test(int i) const { return map[i] != 0; }
    void set(int i) { map[i] = 1; }
};

} // namespace

void findmoves(int start, char *map)
{
    std::memset(map, 0, boardsize);
    bytemap found{map};
    engine::destinations(liveview{}, start, found);
}

void findjumps(int from, char *map)
{
    bytemap found{map};
    std::int16_t queue[engine::paddedsize];
    engine::addjumps(liveview{}, from, found, queue);
}

bool gameover()
{
    return engine::campcount(cells, topcamp, 'o') == 10 ||
           engine::campcount(cells, bottomcamp, 'r') == 10;
}

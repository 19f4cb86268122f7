#include "rules.h"

#include <cstring>

#include "board.h"

namespace {

// Directions 1, 2 and 6 lower the index, 3, 4 and 5 raise it, so one bound
// is enough to keep a neighbour on the array.
bool onarray(int index, int direction)
{
    return direction == 1 || direction == 2 || direction == 6 ? index >= 0 : index < boardsize;
}

} // namespace

void findmoves(int start, char *map)
{
    std::memset(map, 0, boardsize);
    for (int direction = 1; direction <= 6; ++direction) {
        const int n = nextcell(start, direction);
        if (!onarray(n, direction))
            continue;
        if (cells[n] == 'c' && map[n] == 0)
            map[n] = 1;
    }
    findjumps(start, map);
}

void findjumps(int from, char *map)
{
    for (int direction = 1; direction <= 6; ++direction) {
        const int h = nextcell(from, direction);
        if (!onarray(h, direction) || cells[h] == 'c' || cells[h] == '0')
            continue;
        const int l = nextcell(h, direction);
        if (!onarray(l, direction) || cells[l] != 'c' || map[l] != 0)
            continue;
        map[l] = 1;
        findjumps(l, map);
    }
}

bool gameover()
{
    int top = 0, bottom = 0;
    for (int i : topcamp)
        top += cells[i] == 'o';
    if (top == 10)
        return true;
    for (int i : bottomcamp)
        bottom += cells[i] == 'r';
    return bottom == 10;
}

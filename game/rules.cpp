#include "rules.h"

#include <cstring>

#include "board.h"
#include "engine.h"

namespace engine {

void addjumps(const char *padded, int from, cellset &found)
{
    // Depth-first like the recursive reading, with an explicit stack; the
    // set of landings reached does not depend on the order.
    std::int16_t stack[paddedsize];
    int top = 0;
    for (int x = from;;) {
        for (int d : offsets) {
            const char hopped = padded[x + d];
            if (hopped == 'c' || hopped == '0')
                continue;
            const int l = x + 2 * d;
            if (padded[l] != 'c' || found.test(l))
                continue;
            found.set(l);
            stack[top++] = static_cast<std::int16_t>(l);
        }
        if (top == 0)
            return;
        x = stack[--top];
    }
}

void destinations(const char *padded, int start, cellset &found)
{
    found.clear();
    for (int d : offsets)
        if (padded[start + d] == 'c')
            found.set(start + d);
    addjumps(padded, start, found);
}

} // namespace engine

namespace {

void writemap(const engine::cellset &found, char *map)
{
    for (int i = 0; i < boardsize; ++i)
        if (found.test(i + engine::margin))
            map[i] = 1;
}

} // namespace

void findmoves(int start, char *map)
{
    char padded[engine::paddedsize];
    engine::pad(cells, padded);
    engine::cellset found;
    engine::destinations(padded, start + engine::margin, found);
    std::memset(map, 0, boardsize);
    writemap(found, map);
}

void findjumps(int from, char *map)
{
    char padded[engine::paddedsize];
    engine::pad(cells, padded);
    engine::cellset found;
    found.clear();
    for (int i = 0; i < boardsize; ++i)
        if (map[i] != 0)
            found.set(i + engine::margin);
    engine::cellset before = found;
    engine::addjumps(padded, from + engine::margin, found);
    for (int k = 0; k < static_cast<int>(sizeof found.w / sizeof found.w[0]); ++k)
        found.w[k] &= ~before.w[k];
    writemap(found, map);
}

bool gameover()
{
    return engine::campcount(cells, topcamp, 'o') == 10 ||
           engine::campcount(cells, bottomcamp, 'r') == 10;
}

#include "rules.h"

#include <cstring>

#include "board.h"
#include "engine.h"

namespace {

// Jump and step search over a padded board, or, when checked, over a plain
// 289-letter board with the range test in place of the margin; indices are
// those of the board searched. The set of cells reached is a bitset or the
// caller's destination map.
template <bool checked>
bool onboard(int index)
{
    return !checked || static_cast<unsigned>(index) < static_cast<unsigned>(boardsize);
}

struct bytemap {
    char *map;
    bool test(int i) const { return map[i] != 0; }
    void set(int i) { map[i] = 1; }
};

template <bool checked, class cellmarks>
void addjumpsto(const char *board, int from, cellmarks &found)
{
    // Depth-first like the recursive reading, with an explicit stack; the
    // set of landings reached does not depend on the order.
    std::int16_t stack[engine::paddedsize];
    int top = 0;
    for (int x = from;;) {
        for (int d : engine::offsets) {
            const int h = x + d;
            if (!onboard<checked>(h) || board[h] == 'c' || board[h] == '0')
                continue;
            const int l = h + d;
            if (!onboard<checked>(l) || board[l] != 'c' || found.test(l))
                continue;
            found.set(l);
            stack[top++] = static_cast<std::int16_t>(l);
        }
        if (top == 0)
            return;
        x = stack[--top];
    }
}

// Adds the steps and jumps of the piece on start to a cleared set.
template <bool checked, class cellmarks>
void destinationsof(const char *board, int start, cellmarks &found)
{
    for (int d : engine::offsets)
        if (onboard<checked>(start + d) && board[start + d] == 'c')
            found.set(start + d);
    addjumpsto<checked>(board, start, found);
}

} // namespace

namespace engine {

void addjumps(const char *padded, int from, cellset &found)
{
    addjumpsto<false>(padded, from, found);
}

void destinations(const char *padded, int start, cellset &found)
{
    found.clear();
    destinationsof<false>(padded, start, found);
}

} // namespace engine

void findmoves(int start, char *map)
{
    std::memset(map, 0, boardsize);
    bytemap found{map};
    destinationsof<true>(cells, start, found);
}

void findjumps(int from, char *map)
{
    bytemap found{map};
    addjumpsto<true>(cells, from, found);
}

bool gameover()
{
    return engine::campcount(cells, topcamp, 'o') == 10 ||
           engine::campcount(cells, bottomcamp, 'r') == 10;
}

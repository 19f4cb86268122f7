#include <cstdio>
#include <cstring>

#include "engine.h"
#include "hooks.h"
#include "search.h"

int nodes;
bool curoptmovegen = true;

int msgbox(const char *text)
{
    if (hooks.messagebox)
        return hooks.messagebox(text);
    std::fprintf(stderr, "cc: %s\n", text);
    return 1;
}

namespace engine {

int generate(const position &pos, int side, move *moves)
{
    store out{moves};
    return generate(pos, side, out);
}

void overflow(const position &pos)
{
    std::memcpy(cells, pos.cell + margin, boardsize);
    msgbox("Movegen overflow");
}

} // namespace engine

int movegen(const char *board, char side, successorlist &list)
{
    list.count = 0;
    copyboard(board, cells);
    // No other letter has pieces of a side.
    if (side != 'o' && side != 'r')
        return 0;
    engine::position pos;
    pos.load(board, 0);
    engine::move moves[maxsuccessors];
    const int count = engine::generate(pos, engine::sideof(side), moves);
    for (int k = 0; k < count; ++k) {
        char *successor = list.boards[k];
        copyboard(board, successor);
        successor[moves[k].from - engine::margin] = 'c';
        successor[moves[k].to - engine::margin] = side;
    }
    list.count = count;
    return count;
}

#include <cstdio>

#include "hooks.h"
#include "rules.h"
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

namespace {

// The sideways step between the two middle cells of the widest row of the
// mover's goal camp is never generated.
bool droppedgoalstep(char side, int from, int to)
{
    if (side == 'r')
        return (from == 231 && to == 232) || (from == 232 && to == 231);
    return (from == 56 && to == 57) || (from == 57 && to == 56);
}

bool backward(char side, int from, int to)
{
    const int fromrow = from / boardrows, torow = to / boardrows;
    return side == 'r' ? torow < fromrow : torow > fromrow;
}

} // namespace

int movegen(const char *board, char side, successorlist &list)
{
    list.count = 0;
    int pieces[10];
    int npieces = 0;
    for (int i = 0; i < boardsize && npieces < 10; ++i)
        if (board[i] == side)
            pieces[npieces++] = i;

    copyboard(board, cells);

    char map[boardsize];
    for (int p = 0; p < npieces; ++p) {
        const int from = pieces[p];
        findmoves(from, map);
        for (int to = 0; to < boardsize; ++to) {
            if (map[to] != 1)
                continue;
            if (curoptmovegen && backward(side, from, to))
                continue;
            if (droppedgoalstep(side, from, to))
                continue;
            char *successor = list.boards[list.count];
            copyboard(board, successor);
            successor[from] = 'c';
            successor[to] = side;
            ++nodes;
            if (++list.count == maxsuccessors) {
                msgbox("Movegen overflow");
                return list.count;
            }
        }
    }
    return list.count;
}

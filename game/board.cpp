#include "board.h"

#include <cstring>

#include "hooks.h"
#include "state.h"

char cells[boardsize];

const int topcamp[10] = {4, 21, 22, 38, 39, 40, 55, 56, 57, 58};
const int bottomcamp[10] = {230, 231, 232, 233, 248, 249, 250, 266, 267, 284};


namespace {

// First and last column of the star in each row.
struct rowspan {
    int first, last;
};

constexpr rowspan starrow(int row)
{
    if (row <= 3)
        return {4, 4 + row};
    if (row <= 8)
        return {row - 4, 12};
    if (row <= 12)
        return {4, row + 4};
    return {row - 4, 12};
}

} // namespace

bool instar(int index)
{
    if (index < 0 || index >= boardsize)
        return false;
    const rowspan span = starrow(index / boardrows);
    const int column = index % boardrows;
    return column >= span.first && column <= span.last;
}

void initboard()
{
    std::memset(cells, '0', boardsize);
    for (int i = 0; i < boardsize; ++i)
        if (instar(i))
            cells[i] = 'c';
    for (int i : topcamp)
        cells[i] = 'r';
    for (int i : bottomcamp)
        cells[i] = 'o';
    pieceselected = false;
    if (hooks.stopblink)
        hooks.stopblink();
}

void copyboard(const char *source, char *destination)
{
    std::memmove(destination, source, boardsize);
}

int nextcell(int index, int direction)
{
    static const int offsets[7] = {0, -18, -17, 1, 18, 17, -1};
    if (direction < 1 || direction > 6)
        return -1;
    return index + offsets[direction];
}

void cellxy(int index, int &x, int &y)
{
    const int row = index / boardrows;
    const int column = index % boardrows;
    x = 24 * column - 12 * row + 142;
    y = 24 * row + 12;
}

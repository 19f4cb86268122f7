// Shared helpers of the engine tests: boards built from short descriptions,
// written out from the board's definition rather than from the engine, and a
// fixture that puts the engine's globals back to their start values.
#pragma once

#include <array>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "board.h"
#include "driver.h"
#include "hooks.h"
#include "rules.h"
#include "search.h"
#include "state.h"

using testboard = std::array<char, boardsize>;
using piecemove = std::pair<int, int>; // from, to

// First and last column of the star in each row.
constexpr int starcolumns[boardrows][2] = {
    {4, 4},  {4, 5},  {4, 6},  {4, 7},  {0, 12}, {1, 12}, {2, 12},  {3, 12},  {4, 12},
    {4, 13}, {4, 14}, {4, 15}, {4, 16}, {9, 12}, {10, 12}, {11, 12}, {12, 12},
};

constexpr int topcampcells[10] = {4, 21, 22, 38, 39, 40, 55, 56, 57, 58};
constexpr int bottomcampcells[10] = {230, 231, 232, 233, 248, 249, 250, 266, 267, 284};

inline bool isstarcell(int index)
{
    const int row = index / boardrows, column = index % boardrows;
    return column >= starcolumns[row][0] && column <= starcolumns[row][1];
}

// The star with every hole empty.
inline testboard emptystar()
{
    testboard b;
    for (int i = 0; i < boardsize; ++i)
        b[i] = isstarcell(i) ? 'c' : '0';
    return b;
}

// The empty star with 'o' on the cells of o and 'r' on those of r.
inline testboard withpieces(std::initializer_list<int> o, std::initializer_list<int> r)
{
    testboard b = emptystar();
    for (int i : o)
        b[i] = 'o';
    for (int i : r)
        b[i] = 'r';
    return b;
}

inline testboard initialposition()
{
    return withpieces({230, 231, 232, 233, 248, 249, 250, 266, 267, 284},
                      {4, 21, 22, 38, 39, 40, 55, 56, 57, 58});
}

// b with the piece on from moved to to.
inline testboard moved(testboard b, int from, int to)
{
    b[to] = b[from];
    b[from] = 'c';
    return b;
}

inline testboard tolive(const char *board)
{
    testboard b;
    std::copy(board, board + boardsize, b.begin());
    return b;
}

// The one move that turns before into after: a piece leaves one hole and
// lands on another, nothing else changes. {-1, -1} when after is not that.
inline piecemove movebetween(const char *before, const char *after)
{
    int from = -1, to = -1, changed = 0;
    for (int i = 0; i < boardsize; ++i) {
        if (before[i] == after[i])
            continue;
        ++changed;
        if (after[i] == 'c')
            from = i;
        else if (before[i] == 'c')
            to = i;
    }
    if (changed != 2 || from < 0 || to < 0 || before[from] != after[to])
        return {-1, -1};
    return {from, to};
}

// The cells whose entry in a destination map is 1.
inline std::vector<int> destinations(const char *map)
{
    std::vector<int> result;
    for (int i = 0; i < boardsize; ++i)
        if (map[i] == 1)
            result.push_back(i);
    return result;
}

// The moves that lead from board to each successor, in list order.
inline std::vector<piecemove> successormoves(const char *board, const successorlist &list)
{
    std::vector<piecemove> result;
    for (int k = 0; k < list.count; ++k)
        result.push_back(movebetween(board, list.boards[k]));
    return result;
}

// Every move the rules allow side on b, piece by piece in index order, then
// by destination. Leaves b in cells.
inline std::vector<piecemove> legalmoves(const testboard &b, char side)
{
    std::vector<piecemove> result;
    copyboard(b.data(), cells);
    for (int piece = 0; piece < boardsize; ++piece) {
        if (b[piece] != side)
            continue;
        char map[boardsize];
        findmoves(piece, map);
        for (int to : destinations(map))
            result.push_back({piece, to});
    }
    return result;
}

// Every test starts from the values the program starts with and the initial
// position in cells; message boxes are counted instead of shown.
class enginetest : public testing::Test {
protected:
    static inline int boxes = 0;
    static inline std::string boxtext;

    void SetUp() override
    {
        resetstate();
        hooks = gamehooks{};
        hooks.messagebox = [](const char *text) {
            ++boxes;
            boxtext = text;
            return 1;
        };
        boxes = 0;
        boxtext.clear();
        nodes = 0;
        curplies = 3;
        curoptmovegen = true;
        cursortmoves = true;
        curbestmovefirst = true;
        vweight = 3;
        movefrom = moveto = 0;
        movetime = 0;
        for (int k = 0; k < 2; ++k)
            totalnodes[k] = movecount[k] = totaltime[k] = 0;
        cancelmove = false;
        initboard();
    }

    void TearDown() override { hooks = gamehooks{}; }

    static void setcells(const testboard &b) { copyboard(b.data(), cells); }
    static testboard live() { return tolive(cells); }
};

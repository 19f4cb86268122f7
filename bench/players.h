// The engine and the reference player behind one face, so that benchmarks
// and the CLI's bench time both the same way.
#pragma once

#include "board.h"
#include "reference.h"
#include "rules.h"
#include "search.h"

namespace benchplayers {

struct engine {
    static constexpr const char *name = "engine";
    static char *live() { return cells; }
    static void setoptions(int plies, bool optmovegen, bool sortmoves, bool bestmovefirst)
    {
        curplies = plies;
        curoptmovegen = optmovegen;
        cursortmoves = sortmoves;
        curbestmovefirst = bestmovefirst;
    }
    static void findmoves(int start, char *map) { ::findmoves(start, map); }
    static int movegen(const char *board, char side)
    {
        static successorlist list;
        return ::movegen(board, side, list);
    }
    static int evaluate(const char *board, char side, int number)
    {
        return ::evaluate(board, side, number);
    }
    // The node count of the search.
    static long bestmove(const char *board, char side, int number, char *result)
    {
        nodes = 0;
        ::bestmove(board, 0, side, number, result);
        return nodes;
    }
};

struct reference {
    static constexpr const char *name = "reference";
    static char *live() { return ::reference::cells; }
    static void setoptions(int plies, bool optmovegen, bool sortmoves, bool bestmovefirst)
    {
        ::reference::curplies = plies;
        ::reference::curoptmovegen = optmovegen;
        ::reference::cursortmoves = sortmoves;
        ::reference::curbestmovefirst = bestmovefirst;
    }
    static void findmoves(int start, char *map) { ::reference::findmoves(start, map); }
    static int movegen(const char *board, char side)
    {
        ::reference::successorlist *list = ::reference::movegen(board, side);
        const int count = list->count;
        ::reference::release(list);
        return count;
    }
    static int evaluate(const char *board, char side, int number)
    {
        return ::reference::evaluate(board, side, number);
    }
    static long bestmove(const char *board, char side, int number, char *result)
    {
        ::reference::nodes = 0;
        ::reference::bestmove(board, 0, side, number, result);
        return ::reference::nodes;
    }
};

} // namespace benchplayers

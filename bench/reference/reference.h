// The computer player written the plain way: move rules that read the live
// board, a separately allocated board per successor, evaluation that scans
// all 289 cells, and the alpha-beta search over those boards. The engine's
// results are checked against it and its speed is measured against it; the
// game never uses it. It has globals of its own, so it can run beside the
// engine in one program.
#pragma once

#include <vector>

namespace reference {

constexpr int boardsize = 289;
constexpr int maxsuccessors = 100;
constexpr int infinity = 32760;

extern char cells[boardsize];
extern int nodes;
extern int curplies;
extern bool curoptmovegen;
extern bool cursortmoves;
extern bool curbestmovefirst;
extern int vweight;

// One entry per "Movegen overflow" box: the value of nodes when it came up.
extern std::vector<int> overflowboxes;

// Successor boards, each allocated on its own; release() frees them all.
struct successorlist {
    int count = 0;
    char *boards[maxsuccessors];
};

void copyboard(const char *source, char *destination);
int nextcell(int index, int direction);

void findmoves(int start, char *map);
void findjumps(int from, char *map);
bool gameover();

int msgbox(const char *text);
successorlist *movegen(const char *board, char side);
void release(successorlist *list);

int evaluate(const char *board, char side, int number);
char opponent(char side);

int alphabeta(const char *position, int depth, char side, int beta, int alpha, int number,
              int &leafdepth);
void bestmove(const char *position, int depth, char side, int number, char *result);

} // namespace reference

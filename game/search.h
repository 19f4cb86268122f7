// The computer player: successor generation, evaluation and the alpha-beta
// search.
#pragma once

#include "board.h"

constexpr int maxsuccessors = 100;

// The successors of one position, each an independent board, in generation
// order (moving piece's index, then destination's index).
struct successorlist {
    int count = 0;
    char boards[maxsuccessors][boardsize];
};

// Node counter of the current computer move; movegen adds one per successor.
extern int nodes;

// Active search parameters, copied from the mover's settings before each
// computer move.
extern int curplies;          // 3
extern bool curoptmovegen;    // true
extern bool cursortmoves;     // true
extern bool curbestmovefirst; // true

// Weight of one row of progress.
extern int vweight; // 3

// Bound of the root's window.
constexpr int infinity = 32760;

// Fills list with the successors of board for side ('o' or 'r') and returns
// their count. Copies board into cells first. At 100 successors it shows
// "Movegen overflow" and stops.
int movegen(const char *board, char side, successorlist &list);

// The program's error box: caption "cc", buttons OK and Cancel; returns the
// button chosen (1 OK, 2 Cancel).
int msgbox(const char *text);

// Score of board for side under heuristic number 1..4 (0 for any other).
int evaluate(const char *board, char side, int number);

// 'o' for 'r', 'r' for anything else.
char opponent(char side);

// Negamax alpha-beta; note beta comes before alpha. Every leaf writes its
// depth into leafdepth.
int alphabeta(const char *position, int depth, char side, int beta, int alpha, int number,
              int &leafdepth);

// Copies the preferred successor of position into result (the position
// itself when side has no successor).
void bestmove(const char *position, int depth, char side, int number, char *result);

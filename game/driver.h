// The computer move driver: chooses, times, applies, shows and counts one
// computer move.
#pragma once

#include <random>

// The last computer move.
extern int movefrom, moveto;

// Statistics of the current game, indexed by side (0 'o', 1 'r').
extern int movetime;
extern int totalnodes[2];
extern int movecount[2];
extern int totaltime[2];

// The game's random generator. Never seeded, so the first game after start-up
// repeats.
extern std::mt19937 randomgen;

// Set by the window when the game the current computer move belongs to is
// abandoned (a Start or a close while the move is under way): the driver then
// applies, blinks and counts nothing more of it.
extern bool cancelmove;

// Chooses the move of side on cells with heuristic setting 0 (random) to 4,
// using the active search parameters and drawing random numbers from gen.
// Sets nodes. Leaves cells as it found it. Returns false, leaving from and to
// alone, when side has no move.
bool choosemove(char side, int heuristicsetting, std::mt19937 &gen, int &from, int &to);

// One computer move for computerpiece with heuristic[currentplayer]: choose,
// time, apply, blink, count and show the statistics. Returns false when the
// side has no move, leaving the board unchanged, or when the move was
// cancelled: before the blink nothing is applied, during it the move is
// already on the board (the Start that cancelled it resets the board anyway)
// and nothing is counted.
bool computermove();

// Milliseconds between two stamps of whole seconds plus milliseconds.
int elapsedms(long startseconds, int startmillis, long endseconds, int endmillis);

// Move rules and the win test. Both read only the live board `cells`.
#pragma once

// Fills map (289 bytes, cleared here) with 1 at every legal destination of
// the piece on start: steps to empty neighbours and every landing hole of a
// chain of jumps.
void findmoves(int start, char *map);

// Adds every landing hole reachable by jumps from `from`; never clears.
void findjumps(int from, char *map);

// True when either side has filled its goal camp with its own letter.
bool gameover();

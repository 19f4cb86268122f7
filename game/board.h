// The board: 289 cell letters on a 17 by 17 grid, index row * 17 + column,
// row 0 at the top. Letters: 'o' Player 1, 'r' Player 2, 'c' empty hole,
// 'm' marked destination (live board only, during a human turn), '0' outside
// the star.
#pragma once

constexpr int boardsize = 289;
constexpr int boardrows = 17;

// The live board: the one shown on screen and the one the rules read.
extern char cells[boardsize];

// Top camp: Player 2's home, Player 1's goal. Bottom camp: the reverse.
extern const int topcamp[10];
extern const int bottomcamp[10];

// Sets cells to the initial position, clears pieceselected and stops the
// move blink (through the window's hook, when one is installed).
void initboard();

// Copies exactly 289 letters.
void copyboard(const char *source, char *destination);

// index plus the offset of direction 1..6 (-18, -17, +1, +18, +17, -1);
// -1 for any other direction. No range test.
int nextcell(int index, int direction);

// Top-left corner of the 12 by 12 box of a position on the board image.
void cellxy(int index, int &x, int &y);

// True for the 121 positions inside the star.
bool instar(int index);

// Positions as the command-line tool reads them: one line holding the side
// to move ('o' or 'r'), one space, and the 289 cell letters of the board in
// index order.
#pragma once

#include <string>
#include <string_view>

#include "board.h"

struct position {
    char side = 0;
    char board[boardsize] = {};
};

// Reads line into pos. On a bad line returns false and puts into error what
// is wrong with it (wrong length, unknown side or letter, a letter in the
// wrong place, a side without ten pieces); pos is then unspecified.
bool parseposition(std::string_view line, position &pos, std::string &error);

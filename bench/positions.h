// Fixed mid-game positions, the same for the benchmark cases and the CLI's
// bench, so their figures can be compared from run to run.
#pragma once

#include <vector>

namespace benchpositions {

struct position {
    char side;       // to move: 'o' or 'r'
    char board[289]; // cell letters, index row * 17 + column
};

// Eight positions 24 to 48 plies into games of greedy and random moves.
const std::vector<position> &midgame();

} // namespace benchpositions

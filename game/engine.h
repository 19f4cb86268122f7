// The machinery under the rules, successor generation, evaluation and the
// search. Boards are held with a margin of "0" cells around the 289 cells,
// wide enough for a jump, so that no neighbour needs a range test: a step or
// jump off the array meets a "0" and is refused, just as the range test
// refuses it. Destination sets are bitsets, which give the destinations in
// ascending cell order without clearing a 289-byte map per piece. A search
// plays moves forward and back on one such board, carrying the pieces of
// both sides, the score and the goal-camp counts, so that a successor is
// scored and tested for the end of the game from its move alone.
#pragma once

#include <cstdint>

#include "board.h"
#include "search.h"

namespace engine {

// Two rows and two cells: the farthest a jump reaches from a cell.
constexpr int margin = 2 * boardrows + 2;
constexpr int paddedsize = boardsize + 2 * margin;

// Index offsets of directions 1 to 6.
constexpr int offsets[6] = {-18, -17, 1, 18, 17, -1};

// A set of padded cell indices.
struct cellset {
    std::uint64_t w[(paddedsize + 63) / 64];

    void clear()
    {
        for (auto &x : w)
            x = 0;
    }
    void set(int i) { w[i >> 6] |= std::uint64_t{1} << (i & 63); }
    void reset(int i) { w[i >> 6] &= ~(std::uint64_t{1} << (i & 63)); }
    bool test(int i) const { return (w[i >> 6] >> (i & 63)) & 1; }
};

// Copies a 289-letter board into the middle of a padded one and fills the
// margin with "0".
void pad(const char *board, char *padded);

// The steps and jump landings of the piece on padded index start.
void destinations(const char *padded, int start, cellset &found);

// Adds every landing reachable by chains of jumps from padded index from,
// entering no cell that found already holds.
void addjumps(const char *padded, int from, cellset &found);

// Per-cell contributions to a score seen from 'r' under one heuristic
// number, indexed by padded cell: what a piece of either side on that cell
// adds, and whether the rearmost pieces count again (Back Moves).
struct scoretable {
    int r[paddedsize];
    int o[paddedsize];
    bool back;
    int vweight;
};

// The table of a heuristic number for the current vweight; any number other
// than 1 to 4 gives a table of zeros.
const scoretable &scoring(int number);

// Row of a padded cell.
int rowof(int padded);

// Score of a 289-letter board seen from 'r'.
int score(const char *board, const scoretable &table);

// Number of cells of a camp that hold letter.
int campcount(const char *board, const int (&camp)[10], char letter);

// A successor as the move that makes it, with the successor's score for the
// side that moved.
struct move {
    std::int16_t from, to; // padded
    int score;
};

// A position on a padded board with what the search needs to know of it.
// Side 0 is 'o', side 1 is 'r'.
struct position {
    char cell[paddedsize];
    std::int16_t piece[2][boardsize]; // padded, ascending
    int npieces[2];
    int score; // seen from 'r'
    int topo;  // 'o' on the top camp
    int botr;  // 'r' on the bottom camp
    const scoretable *table;

    void load(const char *board, int number);
    bool over() const { return topo == 10 || botr == 10; }
    // Whether the successor made by m of side is a finished game.
    bool overafter(const move &m, int side) const;
    void play(const move &m, int side);
    void unplay(const move &m, int side, int oldscore);
};

inline int sideof(char letter)
{
    return letter == 'r' ? 1 : 0;
}

// Lists the successors of side in generation order (moving piece's cell,
// then destination), at most maxsuccessors, each scored for side. Adds them
// to nodes; at the limit shows "Movegen overflow" with the position on the
// live board, as successor generation leaves it, and stops.
int generate(const position &pos, int side, move *moves);

} // namespace engine

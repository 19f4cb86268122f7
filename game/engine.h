// The machinery under the rules, successor generation, evaluation and the
// search. A search holds its position with a margin of outside cells around
// the 289, wide enough for a jump, so that no neighbour needs a range test:
// a step or jump off the array meets an outside cell and is refused, just as
// the range test refuses it. Destination sets are bitsets, which give the
// destinations in ascending cell order without clearing a 289-byte map per
// piece. The search plays moves forward and back on one such board,
// carrying the pieces of both sides, the score and the goal-camp counts, so
// that a successor is scored and tested for the end of the game from its
// move alone.
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

// Row of a padded cell.
constexpr int rowof(int padded)
{
    return (padded - margin + 3 * boardrows) / boardrows - 3;
}

// A set of cell indices.
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

// What the rules see in a cell: an empty hole can be landed on, an occupied
// one hopped over, an outside cell neither.
enum : unsigned char { outside = 0, empty = 1, occupied = 2 };

constexpr unsigned char classof(char letter)
{
    return letter == 'c' ? empty : letter == '0' ? outside : occupied;
}

// The directions, as bits 0 to 5, in which a piece on x may jump, and in
// which it may step, on a board that gives hop() and land() (1 or 0) for any
// cell a jump from a board cell can reach.
template <class board>
unsigned jumpsfrom(const board &b, int x)
{
    unsigned jumps = 0;
    for (int k = 0; k < 6; ++k)
        jumps |= (b.hop(x + offsets[k]) & b.land(x + 2 * offsets[k])) << k;
    return jumps;
}

template <class board>
unsigned stepsfrom(const board &b, int x)
{
    unsigned steps = 0;
    for (int k = 0; k < 6; ++k)
        steps |= b.land(x + offsets[k]) << k;
    return steps;
}

// A padded board of cell classes.
struct classview {
    const unsigned char *cls;
    unsigned hop(int i) const { return cls[i] >> 1; }
    unsigned land(int i) const { return cls[i] & 1; }
    unsigned jumps(int x) const { return jumpsfrom(*this, x); }
    unsigned steps(int x) const { return stepsfrom(*this, x); }
};

// The same with the directions of every cell kept up to date as moves are
// played, so that each cell a search reaches costs one look-up.
struct maskview {
    const unsigned char *jump, *step;
    unsigned jumps(int x) const { return jump[x]; }
    unsigned steps(int x) const { return step[x]; }
};

// Marks every landing reachable by chains of jumps from `from` in marks,
// entering no cell already marked there, and lists the new ones in queue in
// the order found; board gives jumps() for every cell a chain can reach.
// Returns how many were listed. The set of landings reached does not depend
// on the order in which they are searched from.
template <class board, class marks>
int addjumps(const board &b, int from, marks &found, std::int16_t *queue)
{
    // From a landing, the jump straight back leads where the chain came
    // from, which is marked already (or is the piece itself): leave it out.
    unsigned char back[paddedsize];
    int listed = 0;
    unsigned jumps = b.jumps(from);
    for (int next = 0, x = from;;) {
        for (; jumps; jumps &= jumps - 1) {
            const int k = __builtin_ctz(jumps);
            const int l = x + 2 * offsets[k];
            if (found.test(l))
                continue;
            found.set(l);
            back[listed] = static_cast<unsigned char>(1u << (k < 3 ? k + 3 : k - 3));
            queue[listed++] = static_cast<std::int16_t>(l);
        }
        if (next == listed)
            return listed;
        x = queue[next];
        jumps = b.jumps(x) & ~back[next];
        ++next;
    }
}

// Adds to found (cleared by the caller) the steps and jumps of the piece on
// start.
template <class board, class marks>
void destinations(const board &b, int start, marks &found)
{
    for (unsigned steps = b.steps(start); steps; steps &= steps - 1)
        found.set(start + offsets[__builtin_ctz(steps)]);
    std::int16_t queue[paddedsize];
    addjumps(b, start, found, queue);
}

// Cells reached by one jump search, told apart from those of earlier
// searches by a stamp, so that nothing needs clearing between searches.
struct stampmarks {
    std::uint32_t seen[paddedsize];
    std::uint32_t stamp;

    void clear()
    {
        for (auto &s : seen)
            s = 0;
        stamp = 0;
    }
    // Starts a new search.
    stampmarks &fresh()
    {
        if (++stamp == 0) {
            clear();
            stamp = 1;
        }
        return *this;
    }
    bool test(int i) const { return seen[i] == stamp; }
    void set(int i) { seen[i] = stamp; }
};

// The steps of directions `steps` (bits 0 to 5) from cell x, written as the
// whole content of found: all words are stored outright, none read back.
inline void stepsinto(cellset &found, int x, unsigned steps)
{
    // Bit offset + 18 for each direction: all six fit in one word.
    static constexpr auto windows = [] {
        struct table {
            std::uint64_t w[64];
        } t{};
        for (unsigned m = 0; m < 64; ++m)
            for (int k = 0; k < 6; ++k)
                if (m >> k & 1)
                    t.w[m] |= std::uint64_t{1} << (offsets[k] + 18);
        return t;
    }();
    const std::uint64_t window = windows.w[steps];
    const int base = x - 18;
    const int word = base >> 6, shift = base & 63;
    const std::uint64_t low = window << shift;
    const std::uint64_t high = shift ? window >> (64 - shift) : 0;
    for (int k = 0; k < static_cast<int>(sizeof found.w / sizeof found.w[0]); ++k)
        found.w[k] = k == word ? low : k == word + 1 ? high : 0;
}

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

// Score of a 289-letter board seen from 'r'.
int score(const char *board, const scoretable &table);

// Number of cells of a camp that hold letter.
int campcount(const char *board, const int (&camp)[10], char letter);

// Goal-camp membership by padded cell: 1 top camp ('o' goal), 2 bottom camp
// ('r' goal).
struct camptable {
    unsigned char bits[paddedsize];
};
extern const camptable camps;

// A successor as the move that makes it, with the successor's score for the
// side that moved.
struct move {
    std::int16_t from, to; // padded
    int score;
};

// A position with what the search needs to know of it. Side 0 is 'o', side
// 1 is 'r'.
struct position {
    char cell[paddedsize];          // letters, "0" in the margin
    unsigned char cls[paddedsize];  // the same cells as the rules see them
    // After prepare(): the jump and step directions of every cell, which
    // play() and unplay() then keep up to date.
    unsigned char jump[paddedsize];
    unsigned char step[paddedsize];
    bool prepared = false;
    mutable stampmarks marks; // scratch of the jump searches
    std::int16_t piece[2][boardsize]; // padded, ascending
    int npieces[2];
    int score; // seen from 'r'
    int goal[2]; // own pieces on the goal camp: 'o' on the top, 'r' on the bottom
    const scoretable *table;

    void load(const char *board, int number);
    void prepare();
    maskview view() const { return {jump, step}; }
    bool over() const { return goal[0] == 10 || goal[1] == 10; }

    // Whether the successor made by m of side is a finished game.
    bool overafter(const move &m, int side) const
    {
        const int mine = goal[side] + goalgain(m.from, m.to, side);
        return mine == 10 || goal[1 - side] == 10;
    }

    void play(const move &m, int side)
    {
        relocate(side, m.from, m.to);
        score = side ? m.score : -m.score;
    }

    void unplay(const move &m, int side, int oldscore)
    {
        relocate(side, m.to, m.from);
        score = oldscore;
    }

private:
    // Brings the directions up to date around a cell that has just become
    // empty and one that has just become occupied (both classes already
    // set). A cell c is the neighbour, in direction k, of c - offset and the
    // landing of c - 2 * offset; those are the only bits it decides.
    void reclass(int emptied, int filled)
    {
        if (!prepared)
            return;
        const classview b{cls};
        for (int k = 0; k < 6; ++k) {
            const int o = offsets[k];
            const unsigned bit = 1u << k;
            const auto set = [bit](unsigned char &mask, unsigned on) {
                mask = static_cast<unsigned char>((mask & ~bit) | (on ? bit : 0));
            };
            set(step[emptied - o], 1);
            set(jump[emptied - o], 0);
            set(jump[emptied - 2 * o], b.hop(emptied - o));
            set(step[filled - o], 0);
            set(jump[filled - o], b.land(filled + o));
            set(jump[filled - 2 * o], 0);
        }
    }

    // What moving a piece of side changes in its goal-camp count.
    static int goalgain(int from, int to, int side)
    {
        return (camps.bits[to] >> side & 1) - (camps.bits[from] >> side & 1);
    }

    // Moves a piece of side from one cell to another.
    void relocate(int side, int from, int to)
    {
        cell[from] = 'c';
        cell[to] = side ? 'r' : 'o';
        cls[from] = empty;
        cls[to] = occupied;
        reclass(from, to);
        shift(piece[side], npieces[side], from, to);
        goal[side] += goalgain(from, to, side);
    }

    // Moves one entry of an ascending list from one value to another and
    // keeps it ascending.
    static void shift(std::int16_t *list, int n, int from, int to)
    {
        int k = 0;
        while (list[k] != from)
            ++k;
        if (to > from) {
            for (; k + 1 < n && list[k + 1] < to; ++k)
                list[k] = list[k + 1];
        } else {
            for (; k > 0 && list[k - 1] > to; --k)
                list[k] = list[k - 1];
        }
        list[k] = static_cast<std::int16_t>(to);
    }
};

inline int sideof(char letter)
{
    return letter == 'r' ? 1 : 0;
}

// Shows the overflow box for pos; the live board then holds pos, as
// successor generation leaves it.
void overflow(const position &pos);

// The cells a piece on from can reach: steps and chains of jumps. Lists the
// landings in queue and returns their number.
template <class view>
int reach(const view &board, int from, cellset &found, stampmarks &marks, std::int16_t *queue)
{
    stepsinto(found, from, board.steps(from));
    if (!board.jumps(from))
        return 0;
    const int landings = addjumps(board, from, marks.fresh(), queue);
    for (int k = 0; k < landings; ++k)
        found.set(queue[k]);
    return landings;
}

// Drops from found what successor generation leaves out for the piece of
// side on from: the sideways step between the two middle cells of the widest
// row of its goal camp, and, with "Optimize Movegen", every move that ends
// in a row behind the piece's row. Cells come in ascending order, so the
// kept rows are a range of cells: from the start of the piece's row for 'r',
// up to the end of it for 'o'.
inline void keepgenerated(cellset &found, int from, int side)
{
    const int goalstep = (side ? 231 : 56) + margin;
    if (from == goalstep)
        found.reset(goalstep + 1);
    else if (from == goalstep + 1)
        found.reset(goalstep);
    if (!curoptmovegen)
        return;
    constexpr int words = sizeof found.w / sizeof found.w[0];
    const int rowstart = margin + rowof(from) * boardrows;
    if (side) {
        const int w = rowstart >> 6;
        for (int k = 0; k < w; ++k)
            found.w[k] = 0;
        found.w[w] &= ~std::uint64_t{0} << (rowstart & 63);
    } else {
        const int end = rowstart + boardrows;
        const int w = end >> 6;
        found.w[w] &= ~(~std::uint64_t{0} << (end & 63));
        for (int k = w + 1; k < words; ++k)
            found.w[k] = 0;
    }
}

// The destinations successor generation keeps for each piece, searched
// afresh on the board.
template <class view>
struct freshdestinations {
    const position &pos;
    view board;
    int side;
    cellset found;
    std::int16_t queue[paddedsize];

    freshdestinations(const position &p, view b, int s) : pos(p), board(b), side(s) {}

    const cellset &operator()(int, int from)
    {
        reach(board, from, found, pos.marks, queue);
        keepgenerated(found, from, side);
        return found;
    }
};

// Successor generation for side from the destinations that source(p,
// from) gives for the p-th piece, on from: in generation order (moving
// piece's cell, then destination), at most maxsuccessors, each handed to
// out.add(from, to, score) with the successor's score for side. Adds them
// to nodes; at the limit shows "Movegen overflow" with the position on the
// live board, as successor generation leaves it, and stops. Returns the
// count. With back set, the rearmost piece of each side counts once more
// (Back Moves), which a move changes only when it moves the mover's rearmost
// piece or goes behind it.
template <bool back, class sink, class source>
int generatemoves(const position &pos, int side, sink &out, source &destinationsof)
{
    const scoretable &table = *pos.table;
    const int *mine = side ? table.r : table.o;
    const int sign = side ? 1 : -1;
    const int npieces = pos.npieces[side];
    const std::int16_t *pieces = pos.piece[side];

    int count = 0;
    for (int p = 0; p < (npieces < 10 ? npieces : 10); ++p) {
        const int from = pieces[p];
        const cellset &found = destinationsof(p, from);

        int base = pos.score - mine[from];
        int other = 0;
        if constexpr (back) {
            // 'r' counts its smallest cell again, 'o' its largest.
            if (side) {
                const int rear = pieces[0];
                other = from != rear ? rear : npieces > 1 ? pieces[1] : paddedsize;
                base -= rowof(rear) * table.vweight;
            } else {
                const int rear = pieces[npieces - 1];
                other = from != rear ? rear : npieces > 1 ? pieces[npieces - 2] : 0;
                base += (16 - rowof(rear)) * table.vweight;
            }
        }

        for (int w = 0; w < static_cast<int>(sizeof found.w / sizeof found.w[0]); ++w) {
            for (std::uint64_t bits = found.w[w]; bits; bits &= bits - 1) {
                const int to = (w << 6) + __builtin_ctzll(bits);
                int s = base + mine[to];
                if constexpr (back) {
                    if (side)
                        s += rowof(to < other ? to : other) * table.vweight;
                    else
                        s -= (16 - rowof(to > other ? to : other)) * table.vweight;
                }
                out.add(from, to, sign * s);
                if (++count == maxsuccessors) {
                    nodes += count;
                    overflow(pos);
                    return count;
                }
            }
        }
    }
    nodes += count;
    return count;
}

template <class sink, class source>
int generatefrom(const position &pos, int side, sink &out, source &destinationsof)
{
    return pos.table->back ? generatemoves<true>(pos, side, out, destinationsof)
                           : generatemoves<false>(pos, side, out, destinationsof);
}

// Successor generation for side, searching every piece's destinations.
template <class sink>
int generate(const position &pos, int side, sink &out)
{
    if (pos.prepared) {
        freshdestinations<maskview> fresh(pos, pos.view(), side);
        return generatefrom(pos, side, out, fresh);
    }
    freshdestinations<classview> fresh(pos, classview{pos.cls}, side);
    return generatefrom(pos, side, out, fresh);
}

// A sink that stores the moves.
struct store {
    move *moves;
    int n = 0;
    void add(int from, int to, int score)
    {
        moves[n++] = {static_cast<std::int16_t>(from), static_cast<std::int16_t>(to), score};
    }
};

// The same, storing the moves.
int generate(const position &pos, int side, move *moves);

} // namespace engine

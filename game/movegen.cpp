#include <algorithm>
#include <cstdio>
#include <cstring>

#include "engine.h"
#include "hooks.h"
#include "search.h"

int nodes;
bool curoptmovegen = true;

int msgbox(const char *text)
{
    if (hooks.messagebox)
        return hooks.messagebox(text);
    std::fprintf(stderr, "cc: %s\n", text);
    return 1;
}

namespace engine {

namespace {

// The successors of the side's first ten pieces. With back set, the rearmost
// piece of each side counts once more (Back Moves), which a move changes only
// when it moves the mover's rearmost piece or goes behind it.
template <bool back>
int generatemoves(const position &pos, int side, move *moves)
{
    const scoretable &table = *pos.table;
    const int *mine = side ? table.r : table.o;
    const int sign = side ? 1 : -1;
    const int npieces = pos.npieces[side];
    const std::int16_t *pieces = pos.piece[side];
    // The sideways step between the two middle cells of the widest row of
    // the mover's goal camp is never generated.
    const int goalstep = (side ? 231 : 56) + margin;
    const bool forwardonly = curoptmovegen;

    int count = 0;
    for (int p = 0; p < std::min(npieces, 10); ++p) {
        const int from = pieces[p];
        cellset found;
        destinations(pos.cell, from, found);
        if (from == goalstep)
            found.reset(goalstep + 1);
        else if (from == goalstep + 1)
            found.reset(goalstep);

        // Destinations come in ascending order, so "not behind the piece"
        // is a range of indices: from the start of its row for 'r', up to
        // the end of its row for 'o'.
        int lo = 0, hi = paddedsize;
        if (forwardonly) {
            const int rowstart = margin + rowof(from) * boardrows;
            if (side)
                lo = rowstart;
            else
                hi = rowstart + boardrows;
        }

        int base = pos.score - mine[from];
        int other = 0;
        if constexpr (back) {
            // 'r' counts its smallest index again, 'o' its largest.
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

        for (int w = lo >> 6; w <= (hi - 1) >> 6; ++w) {
            std::uint64_t bits = found.w[w];
            while (bits) {
                const int to = (w << 6) + __builtin_ctzll(bits);
                bits &= bits - 1;
                if (to < lo)
                    continue;
                if (to >= hi)
                    break;
                int s = base + mine[to];
                if constexpr (back) {
                    if (side)
                        s += rowof(std::min(to, other)) * table.vweight;
                    else
                        s -= (16 - rowof(std::max(to, other))) * table.vweight;
                }
                moves[count].from = static_cast<std::int16_t>(from);
                moves[count].to = static_cast<std::int16_t>(to);
                moves[count].score = sign * s;
                if (++count == maxsuccessors) {
                    nodes += count;
                    std::memcpy(cells, pos.cell + margin, boardsize);
                    msgbox("Movegen overflow");
                    return count;
                }
            }
        }
    }
    nodes += count;
    return count;
}

} // namespace

int generate(const position &pos, int side, move *moves)
{
    return pos.table->back ? generatemoves<true>(pos, side, moves)
                           : generatemoves<false>(pos, side, moves);
}

} // namespace engine

int movegen(const char *board, char side, successorlist &list)
{
    list.count = 0;
    copyboard(board, cells);
    // No other letter has pieces of a side.
    if (side != 'o' && side != 'r')
        return 0;
    engine::position pos;
    pos.load(board, 0);
    engine::move moves[maxsuccessors];
    const int count = engine::generate(pos, engine::sideof(side), moves);
    for (int k = 0; k < count; ++k) {
        char *successor = list.boards[k];
        copyboard(board, successor);
        successor[moves[k].from - engine::margin] = 'c';
        successor[moves[k].to - engine::margin] = side;
    }
    list.count = count;
    return count;
}

#include <algorithm>
#include <utility>
#include <vector>

#include "board.h"
#include "engine.h"
#include "search.h"

int curplies = 3;
bool cursortmoves = true;
bool curbestmovefirst = true;

namespace {

using engine::cellset;
using engine::move;

// Step directions as bits 0 to 5 (directions 1 to 6): up-left, up-right,
// right, down-right, down-left, left.
constexpr unsigned rightward = 1u << 2, leftward = 1u << 5;
constexpr unsigned stepsup = 1u << 0 | 1u << 1 | rightward | leftward;
constexpr unsigned stepsdown = 1u << 3 | 1u << 4 | rightward | leftward;

// What a piece found at a node two plies above the leaves: how many
// successors it makes and the best score it adds, and every cell whose class
// its search depended on. While none of those cells changes, the same piece
// finds the same again.
struct piecemoves {
    int from;
    int count;
    int best; // the highest sign * contribution of a destination
    cellset read;
};

// What one expanded node keeps while its successors are searched.
struct plyframe {
    move moves[maxsuccessors];
    unsigned char order[maxsuccessors];
    int score[maxsuccessors]; // the scores of order's entries, in the same places
    const move *current = nullptr; // the successor being searched
    piecemoves pieces[10];
    int npieces = 0;
    bool recorded = false;
};

// One search over one position played forward and back in place. The frames
// are allocated before the search starts, one per level below the root, so
// memory grows with the depth only and the search itself allocates nothing.
class searcher {
public:
    searcher(const char *board, int depth, int number)
        : frames(static_cast<std::size_t>(std::max(curplies - depth, 0) + 1)), rootdepth(depth)
    {
        pos.load(board, number);
        pos.prepare();
        sort = cursortmoves;
        bestfirst = !cursortmoves && curbestmovefirst;
        // One ply above the leaves an ordered search needs only the count
        // and the best score, which pieces untouched by the last two moves
        // can take from two plies before. Back Moves scores depend on other
        // pieces and are always worked out afresh.
        reuse = (sort || bestfirst) && !pos.table->back;
    }

    engine::position pos;

    // Score of the current position for side, a leaf unless it is still in
    // play above curplies.
    int node(int depth, int side, int beta, int alpha, int &leafdepth)
    {
        if (pos.over() || depth >= curplies) {
            leafdepth = depth;
            return side ? pos.score : -pos.score;
        }
        return expand(depth, side, beta, alpha, leafdepth);
    }

    // Generates the successors of the current position for side into the
    // frame of depth and starts their search order: generation order, with
    // the best first under "Best Move First" alone. Returns the count.
    int generate(int depth, int side)
    {
        plyframe &f = frame(depth);
        const int count = engine::generate(pos, side, f.moves);
        for (int k = 0; k < count; ++k) {
            f.order[k] = static_cast<unsigned char>(k);
            f.score[k] = f.moves[k].score;
        }
        if (bestfirst)
            pass(f, 0, count);
        f.recorded = false;
        if (reuse && depth + 3 == curplies)
            record(f, side);
        return count;
    }

    // The k-th successor in search order. Sorting runs pass by pass as the
    // successors are reached: pass k fixes entry k and touches no earlier
    // one, so the passes a cut-off skips never change what was searched.
    const move &successor(plyframe &f, int k, int count)
    {
        if (sort && k < count - 1)
            pass(f, k, count);
        f.current = &f.moves[f.order[k]];
        return *f.current;
    }

    // Score for side of its successor m, searched at depth with the window
    // beta, alpha of the successor's own side.
    int child(const move &m, int depth, int side, int beta, int alpha, int &leafdepth)
    {
        if (pos.overafter(m, side) || depth >= curplies) {
            leafdepth = depth;
            return m.score;
        }
        const int oldscore = pos.score;
        pos.play(m, side);
        const int v = -expand(depth, 1 - side, beta, alpha, leafdepth);
        pos.unplay(m, side, oldscore);
        return v;
    }

    plyframe &frame(int depth) { return frames[static_cast<std::size_t>(depth - rootdepth)]; }

private:
    // Exchanges the best of the entries k.. into entry k the way the
    // ordering's exchange sort does; k = 0 alone is "Best Move First".
    static void pass(plyframe &f, int k, int count)
    {
        int best = f.score[k];
        for (int q = k + 1; q < count; ++q) {
            if (best < f.score[q]) {
                std::swap(f.order[k], f.order[q]);
                std::swap(f.score[k], f.score[q]);
                best = f.score[k];
            }
        }
    }

    // Count and best contribution of the destinations successor generation
    // keeps for the piece of side on from in the current position (in any
    // order: no bitset needed); read gets the cells its search read.
    void piece(int side, int from, piecemoves &out, cellset *read)
    {
        const engine::maskview view = pos.view();
        const int *mine = side ? pos.table->r : pos.table->o;
        const int sign = side ? 1 : -1;
        out.from = from;
        out.count = 0;
        out.best = -infinity;
        const auto take = [&](int to) {
            ++out.count;
            out.best = std::max(out.best, sign * mine[to]);
        };

        // Steps: forward-only keeps the sideways ones and those of the
        // side's own direction; the goal camp's middle step is never kept.
        unsigned steps = view.steps(from);
        if (curoptmovegen)
            steps &= side ? stepsdown : stepsup;
        const int goalstep = (side ? 231 : 56) + engine::margin;
        if (from == goalstep)
            steps &= ~rightward;
        else if (from == goalstep + 1)
            steps &= ~leftward;
        for (; steps; steps &= steps - 1)
            take(from + engine::offsets[__builtin_ctz(steps)]);

        // Jumps: forward-only keeps the landings up to the end of the row
        // for 'o', from its start for 'r'.
        std::int16_t landings[engine::paddedsize];
        const int n = view.jumps(from) ? engine::addjumps(view, from, pos.marks.fresh(), landings) : 0;
        int lo = 0, hi = engine::paddedsize;
        if (curoptmovegen) {
            const int rowstart = engine::margin + engine::rowof(from) * boardrows;
            if (side)
                lo = rowstart;
            else
                hi = rowstart + boardrows;
        }
        for (int k = 0; k < n; ++k)
            if (landings[k] >= lo && landings[k] < hi)
                take(landings[k]);

        if (read) {
            // The search from the start and from every landing read the six
            // neighbours, and beyond each occupied one its landing.
            read->clear();
            const engine::classview cls{pos.cls};
            for (int k = -1; k < n; ++k) {
                const int x = k < 0 ? from : landings[k];
                for (int d : engine::offsets) {
                    read->set(x + d);
                    if (cls.hop(x + d))
                        read->set(x + 2 * d);
                }
            }
        }
    }

    // Keeps what every piece of side finds at a node two plies above the
    // leaves, for the nodes one ply above them.
    void record(plyframe &f, int side)
    {
        f.npieces = pos.npieces[side];
        if (f.npieces > 10)
            return;
        for (int p = 0; p < f.npieces; ++p)
            piece(side, pos.piece[side][p], f.pieces[p], &f.pieces[p].read);
        f.recorded = true;
    }

    // Takes the best successor score; ordered searches visit the best
    // first, and after it no leaf can raise alpha or cut off.
    struct best {
        int top = -infinity;
        void add(int, int, int score) { top = score > top ? score : top; }
    };

    // Unordered: leaves in generation order until one cuts off.
    struct inorder {
        int alpha, beta;
        bool cut = false;
        void add(int, int, int score)
        {
            if (cut)
                return;
            if (score > alpha)
                alpha = score;
            cut = alpha >= beta;
        }
    };

    // Count and best score of the successors of side one ply above the
    // leaves, from what the pieces found two plies up where the two moves
    // since then left their cells alone. -1 when that is not known, or when
    // the count reaches the limit, whose box needs the successors in order.
    int reused(int depth, int side, int &top)
    {
        if (depth - 2 < rootdepth)
            return -1;
        const plyframe &up = frame(depth - 2);
        if (!up.recorded)
            return -1;
        const move &mine = *up.current;
        const move &theirs = *frame(depth - 1).current;
        const int *contribution = side ? pos.table->r : pos.table->o;
        const int sign = side ? 1 : -1;
        int count = 0;
        top = -infinity;
        const auto add = [&](const piecemoves &p) {
            if (p.count == 0)
                return;
            count += p.count;
            top = std::max(top, sign * (pos.score - contribution[p.from]) + p.best);
        };
        piecemoves fresh;
        for (int k = 0; k < up.npieces; ++k) {
            const piecemoves &p = up.pieces[k];
            if (p.from == mine.from)
                continue;
            if (p.read.test(mine.from) || p.read.test(mine.to) || p.read.test(theirs.from) ||
                p.read.test(theirs.to)) {
                piece(side, p.from, fresh, nullptr);
                add(fresh);
            } else {
                add(p);
            }
        }
        piece(side, mine.to, fresh, nullptr);
        add(fresh);
        if (count >= maxsuccessors)
            return -1;
        nodes += count;
        return count;
    }

    // A position one ply above curplies: every successor is a leaf scored as
    // it was generated, so none is stored or played.
    int lastply(int depth, int side, int beta, int alpha, int &leafdepth)
    {
        int count = -1;
        if (sort || bestfirst) {
            int top;
            if (reuse)
                count = reused(depth, side, top);
            if (count < 0) {
                best out;
                count = engine::generate(pos, side, out);
                top = out.top;
            }
            alpha = std::max(alpha, top);
        } else {
            inorder out{alpha, beta};
            count = engine::generate(pos, side, out);
            alpha = out.alpha;
        }
        if (count == 0) {
            leafdepth = depth;
            return side ? pos.score : -pos.score;
        }
        leafdepth = depth + 1;
        return alpha;
    }

    int expand(int depth, int side, int beta, int alpha, int &leafdepth)
    {
        if (depth + 1 >= curplies)
            return lastply(depth, side, beta, alpha, leafdepth);
        const int count = generate(depth, side);
        if (count == 0) {
            leafdepth = depth;
            return side ? pos.score : -pos.score;
        }
        plyframe &f = frame(depth);
        for (int k = 0; k < count; ++k) {
            const move &m = successor(f, k, count);
            const int v = child(m, depth + 1, side, -alpha, -beta, leafdepth);
            if (v > alpha)
                alpha = v;
            if (alpha >= beta)
                break;
        }
        return alpha;
    }

    std::vector<plyframe> frames;
    int rootdepth;
    bool sort, bestfirst, reuse;
};

} // namespace

int alphabeta(const char *position, int depth, char side, int beta, int alpha, int number,
              int &leafdepth)
{
    copyboard(position, cells);
    searcher s(position, depth, number);
    return s.node(depth, engine::sideof(side), beta, alpha, leafdepth);
}

void bestmove(const char *position, int depth, char side, int number, char *result)
{
    copyboard(position, cells);
    copyboard(position, result);
    if (side != 'o' && side != 'r')
        return;
    searcher s(position, depth, number);
    const int me = engine::sideof(side);
    const int count = s.generate(depth, me);
    plyframe &f = s.frame(depth);
    int best = -infinity;
    int chosenleafdepth = curplies;
    int leafdepth = curplies;
    const move *chosen = nullptr;
    // The root searches every successor, each with the window narrowed by
    // the best so far; on equal scores a strictly shallower last leaf wins.
    for (int k = 0; k < count; ++k) {
        const move &m = s.successor(f, k, count);
        const int v = s.child(m, depth + 1, me, -best, -infinity, leafdepth);
        if (v > best || (v == best && leafdepth < chosenleafdepth)) {
            best = v;
            chosenleafdepth = leafdepth;
            chosen = &m;
        }
    }
    if (chosen) {
        result[chosen->from - engine::margin] = 'c';
        result[chosen->to - engine::margin] = side;
    }
}

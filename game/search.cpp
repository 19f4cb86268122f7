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

using engine::move;

// What one expanded node keeps while its successors are searched.
struct plyframe {
    move moves[maxsuccessors];
    unsigned char order[maxsuccessors];
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
    // frame of depth and returns their count.
    int generate(int depth, int side) { return engine::generate(pos, side, frame(depth).moves); }

    // Starts the search order of a frame: generation order, with the best
    // first under "Best Move First" alone.
    void startorder(plyframe &f, int count) const
    {
        for (int k = 0; k < count; ++k)
            f.order[k] = static_cast<unsigned char>(k);
        if (bestfirst)
            pass(f, 0, count);
    }

    // Exchanges the best of the entries k.. into entry k the way the
    // ordering's exchange sort does; k = 0 alone is "Best Move First".
    static void pass(plyframe &f, int k, int count)
    {
        int best = f.moves[f.order[k]].score;
        for (int q = k + 1; q < count; ++q) {
            const int s = f.moves[f.order[q]].score;
            if (best < s) {
                std::swap(f.order[k], f.order[q]);
                best = s;
            }
        }
    }

    // The k-th successor in search order. Sorting runs pass by pass as the
    // successors are reached: pass k fixes entry k and touches no earlier
    // one, so the passes a cut-off skips never change what was searched.
    const move &successor(plyframe &f, int k, int count)
    {
        if (sort && k < count - 1)
            pass(f, k, count);
        return f.moves[f.order[k]];
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

    // A position one ply above curplies: every successor is a leaf scored as
    // it was generated, so none is stored or played.
    int lastply(int depth, int side, int beta, int alpha, int &leafdepth)
    {
        int count;
        if (sort || bestfirst) {
            best out;
            count = engine::generate(pos, side, out);
            alpha = out.top > alpha ? out.top : alpha;
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
        startorder(f, count);
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
    bool sort, bestfirst;
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
    s.startorder(f, count);
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

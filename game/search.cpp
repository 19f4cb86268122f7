#include <memory>
#include <utility>

#include "board.h"
#include "rules.h"
#include "search.h"

int curplies = 3;
bool cursortmoves = true;
bool curbestmovefirst = true;

namespace {

// Fills order with the search order of list's successors for the node's side.
void ordermoves(const successorlist &list, char side, int number, int *order)
{
    const int count = list.count;
    for (int i = 0; i < count; ++i)
        order[i] = i;
    if (!cursortmoves && !curbestmovefirst)
        return;
    int score[maxsuccessors];
    for (int i = 0; i < count; ++i)
        score[i] = evaluate(list.boards[i], side, number);
    if (cursortmoves) {
        for (int p = 0; p < count - 1; ++p)
            for (int q = p + 1; q < count; ++q)
                if (score[order[p]] < score[order[q]])
                    std::swap(order[p], order[q]);
    } else {
        for (int q = 1; q < count; ++q)
            if (score[order[0]] < score[order[q]])
                std::swap(order[0], order[q]);
    }
}

} // namespace

int alphabeta(const char *position, int depth, char side, int beta, int alpha, int number,
              int &leafdepth)
{
    copyboard(position, cells);
    std::unique_ptr<successorlist> list;
    bool leaf = gameover() || depth >= curplies;
    if (!leaf) {
        list = std::make_unique<successorlist>();
        leaf = movegen(position, side, *list) == 0;
    }
    if (leaf) {
        leafdepth = depth;
        return evaluate(position, side, number);
    }

    int order[maxsuccessors];
    ordermoves(*list, side, number, order);
    for (int k = 0; k < list->count; ++k) {
        const int v = -alphabeta(list->boards[order[k]], depth + 1, opponent(side), -alpha, -beta,
                                 number, leafdepth);
        if (v > alpha)
            alpha = v;
        if (alpha >= beta)
            break;
    }
    return alpha;
}

void bestmove(const char *position, int depth, char side, int number, char *result)
{
    int best = -infinity;
    auto list = std::make_unique<successorlist>();
    movegen(position, side, *list);
    int order[maxsuccessors];
    ordermoves(*list, side, number, order);
    if (list->count == 0) {
        copyboard(position, result);
        return;
    }
    int chosenleafdepth = curplies;
    int leafdepth = curplies;
    for (int k = 0; k < list->count; ++k) {
        const char *successor = list->boards[order[k]];
        const int v = -alphabeta(successor, depth + 1, opponent(side), -best, -infinity, number,
                                 leafdepth);
        if (v > best || (v == best && leafdepth < chosenleafdepth)) {
            best = v;
            chosenleafdepth = leafdepth;
            copyboard(successor, result);
        }
    }
}

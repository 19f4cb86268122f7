#include "reference.h"

#include <cmath>
#include <cstdlib>

namespace reference {

char cells[boardsize];
int nodes;
int curplies = 3;
bool curoptmovegen = true;
bool cursortmoves = true;
bool curbestmovefirst = true;
int vweight = 3;
std::vector<int> overflowboxes;

namespace {

const int topcamp[10] = {4, 21, 22, 38, 39, 40, 55, 56, 57, 58};
const int bottomcamp[10] = {230, 231, 232, 233, 248, 249, 250, 266, 267, 284};

// A neighbour in directions 1, 2 and 6 can only fall below the array, one
// in directions 3, 4 and 5 only above it.
bool onarray(int index, int direction)
{
    if (direction == 1 || direction == 2 || direction == 6)
        return index >= 0;
    return index <= boardsize - 1;
}

int rowof(int index)
{
    return index / 17;
}

} // namespace

void copyboard(const char *source, char *destination)
{
    for (int i = 0; i < boardsize; ++i)
        destination[i] = source[i];
}

int nextcell(int index, int direction)
{
    switch (direction) {
    case 1: return index - 18;
    case 2: return index - 17;
    case 3: return index + 1;
    case 4: return index + 18;
    case 5: return index + 17;
    case 6: return index - 1;
    default: return -1;
    }
}

void findmoves(int start, char *map)
{
    for (int i = 0; i < boardsize; ++i)
        map[i] = 0;
    for (int direction = 1; direction <= 6; ++direction) {
        const int n = nextcell(start, direction);
        if (!onarray(n, direction))
            continue;
        if (cells[n] == 'c' && map[n] == 0)
            map[n] = 1;
    }
    findjumps(start, map);
}

void findjumps(int from, char *map)
{
    for (int direction = 1; direction <= 6; ++direction) {
        const int h = nextcell(from, direction);
        if (!onarray(h, direction))
            continue;
        if (cells[h] == 'c' || cells[h] == '0')
            continue;
        const int l = nextcell(h, direction);
        if (!onarray(l, direction))
            continue;
        if (cells[l] != 'c' || map[l] != 0)
            continue;
        map[l] = 1;
        findjumps(l, map);
    }
}

bool gameover()
{
    int count = 0;
    for (int i : topcamp)
        if (cells[i] == 'o')
            ++count;
    if (count == 10)
        return true;
    count = 0;
    for (int i : bottomcamp)
        if (cells[i] == 'r')
            ++count;
    return count == 10;
}

int msgbox(const char *)
{
    overflowboxes.push_back(nodes);
    return 1;
}

successorlist *movegen(const char *board, char side)
{
    int pieces[10];
    int npieces = 0;
    for (int i = 0; i < boardsize; ++i)
        if (board[i] == side && npieces < 10)
            pieces[npieces++] = i;

    copyboard(board, cells);
    successorlist *list = new successorlist;
    list->count = 0;

    for (int p = 0; p < npieces; ++p) {
        const int piece = pieces[p];
        char map[boardsize];
        findmoves(piece, map);
        for (int i = 0; i < boardsize; ++i) {
            if (map[i] != 1)
                continue;
            if (curoptmovegen) {
                if (side == 'r' && rowof(i) < rowof(piece))
                    continue;
                if (side == 'o' && rowof(i) > rowof(piece))
                    continue;
            }
            if (side == 'r' && ((piece == 231 && i == 232) || (piece == 232 && i == 231)))
                continue;
            if (side == 'o' && ((piece == 56 && i == 57) || (piece == 57 && i == 56)))
                continue;
            char *successor = new char[boardsize];
            copyboard(board, successor);
            successor[piece] = 'c';
            successor[i] = side;
            list->boards[list->count] = successor;
            ++nodes;
            ++list->count;
            if (list->count == maxsuccessors) {
                msgbox("Movegen overflow");
                return list;
            }
        }
    }
    return list;
}

void release(successorlist *list)
{
    for (int k = 0; k < list->count; ++k)
        delete[] list->boards[k];
    delete list;
}

char opponent(char side)
{
    return side == 'r' ? 'o' : 'r';
}

int evaluate(const char *board, char side, int number)
{
    if (number < 1 || number > 4)
        return 0;
    int s = 0;
    if (number == 4) {
        for (int i = 0; i < boardsize; ++i)
            if (board[i] == 'r') {
                s += rowof(i) * vweight;
                break;
            }
        for (int i = boardsize - 1; i >= 0; --i)
            if (board[i] == 'o') {
                s -= (16 - rowof(i)) * vweight;
                break;
            }
    }
    if (number >= 3) {
        static const int topweight[10] = {10, 10, 10, 10, 5, 10, 10, 5, 5, 10};
        static const int bottomweight[10] = {10, 5, 5, 10, 10, 5, 10, 10, 10, 10};
        for (int k = 0; k < 10; ++k) {
            if (board[topcamp[k]] == 'o')
                s -= topweight[k];
            if (board[bottomcamp[k]] == 'r')
                s += bottomweight[k];
        }
    }
    if (number >= 2) {
        for (int i = 0; i < boardsize; ++i) {
            const double x = i - 17.5 * rowof(i) - 4;
            const int d = static_cast<int>(std::fabs(x));
            if (board[i] == 'r')
                s -= d;
            else if (board[i] == 'o')
                s += d;
        }
    }
    for (int i = 0; i < boardsize; ++i) {
        if (board[i] == 'r')
            s += rowof(i) * vweight;
        else if (board[i] == 'o')
            s -= (16 - rowof(i)) * vweight;
    }
    return side == 'r' ? s : -s;
}

namespace {

void ordermoves(const successorlist *list, char side, int number, int *order)
{
    for (int i = 0; i < list->count; ++i)
        order[i] = i;
    int score[maxsuccessors];
    if (cursortmoves) {
        for (int i = 0; i < list->count; ++i)
            score[i] = evaluate(list->boards[i], side, number);
        for (int p = 0; p < list->count - 1; ++p)
            for (int q = p + 1; q < list->count; ++q)
                if (score[order[p]] < score[order[q]]) {
                    const int t = order[p];
                    order[p] = order[q];
                    order[q] = t;
                }
    } else if (curbestmovefirst) {
        for (int i = 0; i < list->count; ++i)
            score[i] = evaluate(list->boards[i], side, number);
        for (int q = 1; q < list->count; ++q)
            if (score[order[0]] < score[order[q]]) {
                const int t = order[0];
                order[0] = order[q];
                order[q] = t;
            }
    }
}

} // namespace

int alphabeta(const char *position, int depth, char side, int beta, int alpha, int number,
              int &leafdepth)
{
    copyboard(position, cells);
    successorlist *list = nullptr;
    bool leaf = false;
    if (gameover())
        leaf = true;
    else if (depth >= curplies)
        leaf = true;
    else {
        list = movegen(position, side);
        if (list->count == 0) {
            release(list);
            leaf = true;
        }
    }
    if (leaf) {
        leafdepth = depth;
        return evaluate(position, side, number);
    }

    int order[maxsuccessors];
    ordermoves(list, side, number, order);
    for (int k = 0; k < list->count; ++k) {
        const int v = -alphabeta(list->boards[order[k]], depth + 1, opponent(side), -alpha, -beta,
                                 number, leafdepth);
        if (v > alpha)
            alpha = v;
        if (alpha >= beta)
            break;
    }
    release(list);
    return alpha;
}

void bestmove(const char *position, int depth, char side, int number, char *result)
{
    int best = -infinity;
    successorlist *list = movegen(position, side);
    int order[maxsuccessors];
    ordermoves(list, side, number, order);
    if (list->count == 0) {
        copyboard(position, result);
        release(list);
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
    release(list);
}

} // namespace reference

#include "engine.h"

#include <cstring>

namespace engine {

namespace {

// Bit 1: top camp, bit 2: bottom camp; by padded cell.
struct camptable {
    unsigned char bits[paddedsize] = {};
    camptable()
    {
        for (int i : topcamp)
            bits[i + margin] |= 1;
        for (int i : bottomcamp)
            bits[i + margin] |= 2;
    }
};

const camptable camps;

} // namespace

void pad(const char *board, char *padded)
{
    std::memset(padded, '0', margin);
    std::memcpy(padded + margin, board, boardsize);
    std::memset(padded + margin + boardsize, '0', margin);
}

int campcount(const char *board, const int (&camp)[10], char letter)
{
    int count = 0;
    for (int i : camp)
        count += board[i] == letter;
    return count;
}

void position::load(const char *board, int number)
{
    pad(board, cell);
    npieces[0] = npieces[1] = 0;
    for (int i = 0; i < boardsize; ++i) {
        if (board[i] == 'o')
            piece[0][npieces[0]++] = static_cast<std::int16_t>(i + margin);
        else if (board[i] == 'r')
            piece[1][npieces[1]++] = static_cast<std::int16_t>(i + margin);
    }
    table = &scoring(number);
    score = engine::score(board, *table);
    topo = campcount(board, topcamp, 'o');
    botr = campcount(board, bottomcamp, 'r');
}

bool position::overafter(const move &m, int side) const
{
    int top = topo, bottom = botr;
    if (side == 0)
        top += (camps.bits[m.to] & 1) - (camps.bits[m.from] & 1);
    else
        bottom += ((camps.bits[m.to] >> 1) & 1) - ((camps.bits[m.from] >> 1) & 1);
    return top == 10 || bottom == 10;
}

namespace {

// Moves one entry of an ascending list from one value to another and keeps
// it ascending.
void shift(std::int16_t *list, int n, int from, int to)
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

} // namespace

void position::play(const move &m, int side)
{
    cell[m.from] = 'c';
    cell[m.to] = side ? 'r' : 'o';
    shift(piece[side], npieces[side], m.from, m.to);
    score = side ? m.score : -m.score;
    if (side == 0)
        topo += (camps.bits[m.to] & 1) - (camps.bits[m.from] & 1);
    else
        botr += ((camps.bits[m.to] >> 1) & 1) - ((camps.bits[m.from] >> 1) & 1);
}

void position::unplay(const move &m, int side, int oldscore)
{
    cell[m.to] = 'c';
    cell[m.from] = side ? 'r' : 'o';
    shift(piece[side], npieces[side], m.to, m.from);
    score = oldscore;
    if (side == 0)
        topo -= (camps.bits[m.to] & 1) - (camps.bits[m.from] & 1);
    else
        botr -= ((camps.bits[m.to] >> 1) & 1) - ((camps.bits[m.from] >> 1) & 1);
}

} // namespace engine

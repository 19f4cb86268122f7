#include "engine.h"

#include <cstring>

namespace engine {

namespace {

camptable makecamps()
{
    camptable t{};
    for (int i : topcamp)
        t.bits[i + margin] |= 1;
    for (int i : bottomcamp)
        t.bits[i + margin] |= 2;
    return t;
}

} // namespace

const camptable camps = makecamps();

int campcount(const char *board, const int (&camp)[10], char letter)
{
    int count = 0;
    for (int i : camp)
        count += board[i] == letter;
    return count;
}

void position::load(const char *board, int number)
{
    std::memset(cell, '0', sizeof cell);
    std::memcpy(cell + margin, board, boardsize);
    for (int p = 0; p < paddedsize; ++p)
        cls[p] = classof(cell[p]);
    npieces[0] = npieces[1] = 0;
    for (int i = 0; i < boardsize; ++i) {
        if (board[i] == 'o')
            piece[0][npieces[0]++] = static_cast<std::int16_t>(i + margin);
        else if (board[i] == 'r')
            piece[1][npieces[1]++] = static_cast<std::int16_t>(i + margin);
    }
    prepared = false;
    marks.clear();
    table = &scoring(number);
    score = engine::score(board, *table);
    goal[0] = campcount(board, topcamp, 'o');
    goal[1] = campcount(board, bottomcamp, 'r');
}

void position::prepare()
{
    const classview b{cls};
    for (int p = 0; p < paddedsize; ++p)
        jump[p] = step[p] = 0;
    for (int p = margin; p < margin + boardsize; ++p) {
        jump[p] = static_cast<unsigned char>(b.jumps(p));
        step[p] = static_cast<unsigned char>(b.steps(p));
    }
    prepared = true;
}

} // namespace engine

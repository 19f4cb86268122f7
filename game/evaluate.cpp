#include <cstring>

#include "board.h"
#include "engine.h"
#include "search.h"

int vweight = 3;

namespace engine {

namespace {

// Split weights of the goal camps, in the order of topcamp / bottomcamp.
const int topweights[10] = {10, 10, 10, 10, 5, 10, 10, 5, 5, 10};
const int bottomweights[10] = {10, 5, 5, 10, 10, 5, 10, 10, 10, 10};

// Distance from the star's vertical centre line, rounded down.
int centredistance(int i)
{
    const int d = 2 * (i % boardrows) - i / boardrows - 8;
    return (d < 0 ? -d : d) / 2;
}

// The five tables, rebuilt whenever vweight differs from what they were
// built for.
scoretable tables[5];
bool built = false;

void build()
{
    for (int number = 0; number <= 4; ++number) {
        scoretable &t = tables[number];
        t.back = number == 4;
        t.vweight = vweight;
        for (int p = 0; p < paddedsize; ++p)
            t.r[p] = t.o[p] = 0;
        if (number == 0)
            continue;
        for (int i = 0; i < boardsize; ++i) {
            const int row = i / boardrows;
            int r = row * vweight;
            int o = -(16 - row) * vweight;
            if (number >= 2) {
                r -= centredistance(i);
                o += centredistance(i);
            }
            t.r[i + margin] = r;
            t.o[i + margin] = o;
        }
        if (number >= 3) {
            for (int k = 0; k < 10; ++k) {
                t.o[topcamp[k] + margin] -= topweights[k];
                t.r[bottomcamp[k] + margin] += bottomweights[k];
            }
        }
    }
    built = true;
}

} // namespace

const scoretable &scoring(int number)
{
    if (!built || tables[0].vweight != vweight)
        build();
    return tables[number >= 1 && number <= 4 ? number : 0];
}

int score(const char *board, const scoretable &table)
{
    const int *r = table.r + margin;
    const int *o = table.o + margin;
    // Without branches, so that the compiler can vectorise the pass.
    int s = 0;
    for (int i = 0; i < boardsize; ++i)
        s += (board[i] == 'r') * r[i] + (board[i] == 'o') * o[i];
    // Back Moves: the rearmost piece of each side counts once more.
    if (table.back) {
        const void *firstr = std::memchr(board, 'r', boardsize);
        if (firstr)
            s += static_cast<int>(static_cast<const char *>(firstr) - board) / boardrows *
                 table.vweight;
        int lasto = boardsize - 1;
        while (lasto >= 0 && board[lasto] != 'o')
            --lasto;
        if (lasto >= 0)
            s -= (16 - lasto / boardrows) * table.vweight;
    }
    return s;
}

} // namespace engine

char opponent(char side)
{
    return side == 'r' ? 'o' : 'r';
}

int evaluate(const char *board, char side, int number)
{
    const int s = engine::score(board, engine::scoring(number));
    return side == 'r' ? s : -s;
}

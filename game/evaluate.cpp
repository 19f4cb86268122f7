#include "board.h"
#include "search.h"

int vweight = 3;

namespace {

// Split weights of the goal camps, in the order of topcamp / bottomcamp.
const int topweights[10] = {10, 10, 10, 10, 5, 10, 10, 5, 5, 10};
const int bottomweights[10] = {10, 5, 5, 10, 10, 5, 10, 10, 10, 10};

int row(int i) { return i / boardrows; }

// Distance from the star's vertical centre line, rounded down.
int centredistance(int i)
{
    const int d = 2 * (i % boardrows) - row(i) - 8;
    return (d < 0 ? -d : d) / 2;
}

} // namespace

char opponent(char side)
{
    return side == 'r' ? 'o' : 'r';
}

// The sum is seen from 'r': good for 'r' raises it.
int evaluate(const char *board, char side, int number)
{
    if (number < 1 || number > 4)
        return 0;
    int s = 0;
    if (number == 4) {
        for (int i = 0; i < boardsize; ++i)
            if (board[i] == 'r') {
                s += row(i) * vweight;
                break;
            }
        for (int i = boardsize - 1; i >= 0; --i)
            if (board[i] == 'o') {
                s -= (16 - row(i)) * vweight;
                break;
            }
    }
    if (number >= 3) {
        for (int k = 0; k < 10; ++k) {
            if (board[topcamp[k]] == 'o')
                s -= topweights[k];
            if (board[bottomcamp[k]] == 'r')
                s += bottomweights[k];
        }
    }
    for (int i = 0; i < boardsize; ++i) {
        if (board[i] == 'r') {
            s += row(i) * vweight;
            if (number >= 2)
                s -= centredistance(i);
        } else if (board[i] == 'o') {
            s -= (16 - row(i)) * vweight;
            if (number >= 2)
                s += centredistance(i);
        }
    }
    return side == 'r' ? s : -s;
}

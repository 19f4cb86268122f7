#include "testboard.h"

namespace {

using evaluatetest = enginetest;

TEST_F(evaluatetest, InitialPositionIsLevelForBothSides)
{
    for (int number = 1; number <= 4; ++number) {
        EXPECT_EQ(evaluate(initialposition().data(), 'o', number), 0) << number;
        EXPECT_EQ(evaluate(initialposition().data(), 'r', number), 0) << number;
    }
}

// Scores after one move from the initial position, for the side that moved,
// under numbers 1 to 4; the other side gets the negation.
TEST_F(evaluatetest, OneMoveFromTheInitialPosition)
{
    struct {
        int from, to;
        int scores[4];
    } const cases[] = {
        {248, 214, {6, 7, 7, 7}},     // two rows up, onto the centre line
        {284, 212, {12, 10, 10, 13}}, // the rearmost piece leaves: 267 becomes rearmost
        {40, 74, {6, 7, 7, 7}},       // the same two for r, mirrored
        {4, 76, {12, 10, 10, 13}},
    };
    for (const auto &c : cases) {
        const testboard b = moved(initialposition(), c.from, c.to);
        const char side = b[c.to];
        for (int number = 1; number <= 4; ++number) {
            EXPECT_EQ(evaluate(b.data(), side, number), c.scores[number - 1])
                << c.from << " to " << c.to << ", number " << number;
            EXPECT_EQ(evaluate(b.data(), opponent(side), number), -c.scores[number - 1])
                << c.from << " to " << c.to << ", number " << number;
        }
    }
}

// The Horizontal term is what number 2 adds to number 1: the distance d from
// the centre line, rounded down, taken off the side whose piece it is.
TEST_F(evaluatetest, HorizontalDistanceOfACell)
{
    struct {
        int cell, d;
    } const cases[] = {
        {68, 6}, {80, 6}, {220, 6}, {86, 5}, {212, 2}, {55, 1}, {58, 1}, {143, 1},
        {145, 1}, {4, 0}, {21, 0},  {22, 0}, {56, 0},  {57, 0}, {144, 0}, {284, 0},
    };
    for (const auto &c : cases) {
        for (char side : {'o', 'r'}) {
            const testboard b = side == 'o' ? withpieces({c.cell}, {}) : withpieces({}, {c.cell});
            EXPECT_EQ(evaluate(b.data(), side, 1) - evaluate(b.data(), side, 2), c.d)
                << side << " on " << c.cell;
        }
    }
}

// The Split term is what number 3 adds to number 2: the weight of each goal
// camp cell that holds the side's own piece; start camps count nothing.
TEST_F(evaluatetest, SplitWeightsOfTheGoalCamps)
{
    struct {
        int cell;
        char owner; // the side whose goal the cell is in
        int weight;
    } const cases[] = {
        {4, 'o', 10},   {21, 'o', 10},  {22, 'o', 10},  {38, 'o', 10},  {40, 'o', 10},
        {55, 'o', 10},  {58, 'o', 10},  {39, 'o', 5},   {56, 'o', 5},   {57, 'o', 5},
        {230, 'r', 10}, {233, 'r', 10}, {248, 'r', 10}, {250, 'r', 10}, {266, 'r', 10},
        {267, 'r', 10}, {284, 'r', 10}, {231, 'r', 5},  {232, 'r', 5},  {249, 'r', 5},
    };
    for (const auto &c : cases) {
        for (char side : {'o', 'r'}) {
            const testboard b = side == 'o' ? withpieces({c.cell}, {}) : withpieces({}, {c.cell});
            EXPECT_EQ(evaluate(b.data(), side, 3) - evaluate(b.data(), side, 2),
                      side == c.owner ? c.weight : 0)
                << side << " on " << c.cell;
        }
    }
}

// The Back Moves term is what number 4 adds to number 3: the progress of each
// side's rearmost piece once more.
TEST_F(evaluatetest, BackMovesCountTheRearmostPieceAgain)
{
    struct {
        testboard board;
        int forO; // number 4 minus number 3, for o
    } const cases[] = {
        {withpieces({4}, {}), 48},
        {withpieces({}, {284}), -48},
        {withpieces({144, 212}, {}), 12},
        {withpieces({212, 213}, {}), 12},
        {withpieces({}, {72, 144}), -12},
        {withpieces({212}, {72}), 0},
        {initialposition(), 0},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(evaluate(c.board.data(), 'o', 4) - evaluate(c.board.data(), 'o', 3), c.forO);
        EXPECT_EQ(evaluate(c.board.data(), 'r', 4) - evaluate(c.board.data(), 'r', 3), -c.forO);
    }
}

TEST_F(evaluatetest, NumbersOutsideOneToFourScoreZero)
{
    const testboard boards[] = {moved(initialposition(), 248, 214), moved(initialposition(), 284, 212),
                                withpieces({4, 39}, {284})};
    for (const auto &b : boards)
        for (int number : {0, 5, -1, 100})
            for (char side : {'o', 'r'})
                EXPECT_EQ(evaluate(b.data(), side, number), 0) << number;
}

TEST_F(evaluatetest, OpponentSwapsTheSides)
{
    EXPECT_EQ(opponent('r'), 'o');
    EXPECT_EQ(opponent('o'), 'r');
    EXPECT_EQ(opponent('c'), 'r');
}

} // namespace

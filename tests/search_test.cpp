#include "testboard.h"

namespace {

class searchtest : public enginetest {
protected:
    // The move bestmove chooses for side on b, with nodes counted from 0.
    static piecemove best(const testboard &b, char side, int number)
    {
        nodes = 0;
        char result[boardsize];
        bestmove(b.data(), 0, side, number, result);
        return movebetween(b.data(), result);
    }

    static void options(int plies, bool optimise, bool sort, bool bestfirst)
    {
        curplies = plies;
        curoptmovegen = optimise;
        cursortmoves = sort;
        curbestmovefirst = bestfirst;
    }
};

TEST_F(searchtest, InitialPositionNodesAndMoveForPlayerOne)
{
    const piecemove any = {-2, -2};
    struct {
        int plies;
        bool optimise, sort, bestfirst;
        int nodes;
        piecemove chosen;
    } const cases[] = {
        // One ply: every root successor is a leaf; 248 to 214 and 250 to 214
        // both score 7, and the earlier one keeps the choice.
        {1, true, true, true, 14, {248, 214}},    {1, true, true, false, 14, {248, 214}},
        {1, true, false, true, 14, {248, 214}},   {1, true, false, false, 14, {248, 214}},
        {1, false, true, true, 14, {248, 214}},   {1, false, true, false, 14, {248, 214}},
        {1, false, false, true, 14, {248, 214}},  {1, false, false, false, 14, {248, 214}},
        // Two plies: every node at depth 1 generates all its successors
        // before it can cut off.
        {2, true, true, true, 210, any},   {2, true, true, false, 210, any},
        {2, true, false, true, 210, any},  {2, true, false, false, 210, any},
        {2, false, true, true, 210, any},  {2, false, true, false, 210, any},
        {2, false, false, true, 210, any}, {2, false, false, false, 210, any},
        // Three plies: ordering searches 248 to 214 (score 10) first.
        {3, true, true, true, 810, {248, 214}},
        {3, true, true, false, 810, {248, 214}},
        {3, true, false, true, 810, {248, 214}},
        {3, true, false, false, 1528, {248, 212}},
        {3, false, false, false, 1631, {248, 212}},
    };
    for (const auto &c : cases) {
        options(c.plies, c.optimise, c.sort, c.bestfirst);
        const piecemove chosen = best(initialposition(), 'o', 3);
        const testing::Message what = testing::Message()
                                      << "plies " << c.plies << " optimise " << c.optimise << " sort "
                                      << c.sort << " best first " << c.bestfirst;
        EXPECT_EQ(nodes, c.nodes) << what;
        if (c.chosen == any)
            EXPECT_NE(chosen.first, -1) << what;
        else
            EXPECT_EQ(chosen, c.chosen) << what;
    }
}

TEST_F(searchtest, PliesBelowOneSearchLikeOnePly)
{
    for (int plies : {0, -1, -7}) {
        options(plies, true, true, true);
        EXPECT_EQ(best(initialposition(), 'o', 3), piecemove(248, 214)) << plies;
        EXPECT_EQ(nodes, 14) << plies;
        EXPECT_EQ(best(initialposition(), 'r', 3), piecemove(38, 74)) << plies;
        EXPECT_EQ(nodes, 14) << plies;
    }
}

// o to move under number 1, two plies. In generation order the moves are
// 157-140 (score 3, but it lets r jump 123-157-191), 157-158 (0), 208-191 (3)
// and 208-209 (0); the last three tie after r's reply. Best Move First finds
// nothing above the first move's 3 and keeps the generation order; Sort Moves
// lifts 208-191 above 157-158.
TEST_F(searchtest, OrderingDecidesBetweenEqualScores)
{
    const testboard b = withpieces({157, 208}, {123, 174});
    struct {
        bool sort, bestfirst;
        piecemove chosen;
    } const cases[] = {
        {true, true, {208, 191}},
        {true, false, {208, 191}},
        {false, true, {157, 158}},
        {false, false, {157, 158}},
    };
    for (const auto &c : cases) {
        options(2, true, c.sort, c.bestfirst);
        EXPECT_EQ(best(b, 'o', 1), c.chosen) << "sort " << c.sort << " best first " << c.bestfirst;
    }
}

// o needs one more piece on 56 to fill the top camp; r's lone piece on 284
// can only move back, which is worth 3 to o. The sideways 55-56 (searched
// first) and the filling 74-56 therefore score the same, but the filling
// move's last leaf is at depth 1, so it takes the choice.
TEST_F(searchtest, EqualScoreWithAShallowerLeafTakesTheChoice)
{
    const testboard b = withpieces({4, 21, 22, 38, 39, 40, 55, 57, 58, 74}, {284});
    options(2, false, false, false);

    int leafdepth = -1;
    const int sideways = -alphabeta(moved(b, 55, 56).data(), 1, 'r', infinity, -infinity, 1, leafdepth);
    EXPECT_EQ(leafdepth, 2);
    const int filling = -alphabeta(moved(b, 74, 56).data(), 1, 'r', infinity, -infinity, 1, leafdepth);
    EXPECT_EQ(leafdepth, 1);
    ASSERT_EQ(sideways, filling);

    EXPECT_EQ(best(b, 'o', 1), piecemove(74, 56));
}

TEST_F(searchtest, LeavesAreScoredFromTheSideToMove)
{
    // o on the tip, hemmed in: no successor, and that is no loss in itself.
    const testboard stuck = withpieces({4}, {21, 22, 38, 40});
    const testboard won = withpieces({4, 21, 22, 38, 39, 40, 55, 56, 57, 58}, {144});
    const testboard after = moved(initialposition(), 248, 214);
    struct {
        const char *name;
        testboard board;
        char side;
        int depth;
    } const cases[] = {
        {"at the depth limit", after, 'r', 3},
        {"beyond the depth limit", after, 'o', 5},
        {"game over", won, 'r', 0},
        {"no successor", stuck, 'o', 0},
    };
    for (const auto &c : cases) {
        nodes = 0;
        int leafdepth = -1;
        EXPECT_EQ(alphabeta(c.board.data(), c.depth, c.side, infinity, -infinity, 3, leafdepth),
                  evaluate(c.board.data(), c.side, 3))
            << c.name;
        EXPECT_EQ(leafdepth, c.depth) << c.name;
        EXPECT_EQ(nodes, 0) << c.name;
        EXPECT_EQ(live(), c.board) << c.name << ": the position visited last is left in cells";
    }
}

TEST_F(searchtest, WithoutASuccessorTheResultIsThePositionItself)
{
    const testboard stuck = withpieces({4}, {21, 22, 38, 40});
    char result[boardsize];
    bestmove(stuck.data(), 0, 'o', 3, result);
    EXPECT_EQ(tolive(result), stuck);
    EXPECT_EQ(nodes, 0);
}

} // namespace

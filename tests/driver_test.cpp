#include <set>
#include <vector>

#include "testboard.h"

namespace {

struct statsline {
    char side;
    int nodes, totalnodes, movecount, movetime, totaltime;
};

class drivertest : public enginetest {
protected:
    static inline std::vector<statsline> shown;
    static inline std::vector<testboard> blinked; // cells while each move blinks

    void SetUp() override
    {
        enginetest::SetUp();
        shown.clear();
        blinked.clear();
        hooks.blinkmove = [] { blinked.push_back(tolive(cells)); };
        hooks.showstats = [](char side, int n, int total, int count, int time, int totaltime) {
            shown.push_back({side, n, total, count, time, totaltime});
        };
    }

    static void computerturn(int player, int heuristicsetting, int searchplies)
    {
        currentplayer = player;
        computerpiece = player == 0 ? 'o' : 'r';
        heuristic[player] = heuristicsetting;
        curplies = searchplies;
    }
};

TEST_F(drivertest, ComputermoveAppliesExactlyTheSearchedMove)
{
    computerturn(0, 3, 3);
    ASSERT_TRUE(computermove());

    const testboard expected = moved(initialposition(), 248, 214);
    EXPECT_EQ(live(), expected) << "whatever the search left in cells";
    EXPECT_EQ(movefrom, 248);
    EXPECT_EQ(moveto, 214);
    EXPECT_EQ(nodes, 810);
    ASSERT_EQ(blinked.size(), 1u);
    EXPECT_EQ(blinked[0], expected) << "the move is applied before it blinks";

    EXPECT_EQ(totalnodes[0], 810);
    EXPECT_EQ(movecount[0], 1);
    EXPECT_EQ(totaltime[0], movetime);
    EXPECT_GE(movetime, 0);
    EXPECT_EQ(totalnodes[1] + movecount[1] + totaltime[1], 0);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].side, 'o');
    EXPECT_EQ(shown[0].nodes, 810);
    EXPECT_EQ(shown[0].totalnodes, 810);
    EXPECT_EQ(shown[0].movecount, 1);
    EXPECT_EQ(shown[0].movetime, movetime);
    EXPECT_EQ(shown[0].totaltime, movetime);
}

TEST_F(drivertest, StatisticsAccumulateForTheMoverOnly)
{
    int sumnodes = 0, sumtime = 0;
    for (int searchplies : {1, 2, 3}) {
        computerturn(1, 3, searchplies);
        const testboard before = live();
        ASSERT_TRUE(computermove());
        EXPECT_EQ(movebetween(before.data(), cells), piecemove(movefrom, moveto));
        sumnodes += nodes;
        sumtime += movetime;
        ASSERT_FALSE(shown.empty());
        EXPECT_EQ(shown.back().side, 'r');
        EXPECT_EQ(shown.back().nodes, nodes);
        EXPECT_EQ(shown.back().totalnodes, sumnodes);
        EXPECT_EQ(shown.back().totaltime, sumtime);
    }
    EXPECT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown.back().movecount, 3);
    EXPECT_EQ(totalnodes[1], sumnodes);
    EXPECT_EQ(movecount[1], 3);
    EXPECT_EQ(totaltime[1], sumtime);
    EXPECT_EQ(totalnodes[0] + movecount[0] + totaltime[0], 0);
}

TEST_F(drivertest, ChoosemoveLeavesCellsAsItFoundIt)
{
    curplies = 3;
    int from = -1, to = -1;
    ASSERT_TRUE(choosemove('o', 3, randomgen, from, to));
    EXPECT_EQ(piecemove(from, to), piecemove(248, 214));
    EXPECT_EQ(nodes, 810);
    EXPECT_EQ(live(), initialposition());
}

// r on 231 stands in o's camp with 232 free: the searched moves leave out
// 231-232 and the backward steps, a random move may be any of them.
TEST_F(drivertest, RandomMoveIsAnyLegalMoveOfAnyPiece)
{
    const testboard b = withpieces({230, 233, 248, 249, 250, 266, 267, 284, 140, 141},
                                   {231, 4, 21, 22, 38, 39, 40, 55, 56, 57});
    const std::vector<piecemove> moves = legalmoves(b, 'r');
    const std::set<piecemove> legal(moves.begin(), moves.end());
    ASSERT_TRUE(legal.count({231, 232}) && legal.count({231, 213}));

    std::mt19937 gen;
    std::set<piecemove> drawn;
    for (int k = 0; k < 20000; ++k) {
        nodes = 7;
        int from = -1, to = -1;
        ASSERT_TRUE(choosemove('r', 0, gen, from, to));
        ASSERT_TRUE(legal.count({from, to})) << from << " to " << to;
        ASSERT_EQ(nodes, 0);
        drawn.insert({from, to});
    }
    EXPECT_EQ(drawn, legal);
    EXPECT_EQ(live(), b);
}

TEST_F(drivertest, RandomMovesRepeatFromTheSameGeneratorState)
{
    std::mt19937 first, second;
    for (int k = 0; k < 50; ++k) {
        int f1 = -1, t1 = -1, f2 = -1, t2 = -1;
        ASSERT_TRUE(choosemove('o', 0, first, f1, t1));
        ASSERT_TRUE(choosemove('o', 0, second, f2, t2));
        EXPECT_EQ(piecemove(f1, t1), piecemove(f2, t2));
    }
}

TEST_F(drivertest, RandomComputerMoveCountsNoNodes)
{
    computerturn(1, 0, 3);
    ASSERT_TRUE(computermove());
    EXPECT_EQ(nodes, 0);
    EXPECT_EQ(movebetween(initialposition().data(), cells), piecemove(movefrom, moveto));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].nodes, 0);
    EXPECT_EQ(shown[0].totalnodes, 0);
    EXPECT_EQ(movecount[1], 1);
}

TEST_F(drivertest, SideWithoutAMoveLeavesTheBoardAlone)
{
    // With Optimize Movegen a full goal camp has nowhere to go.
    const testboard b = withpieces({4, 21, 22, 38, 39, 40, 55, 56, 57, 58},
                                   {140, 141, 142, 143, 144, 145, 146, 147, 148, 157});
    setcells(b);
    curoptmovegen = true;
    int from = 77, to = 77;
    EXPECT_FALSE(choosemove('o', 3, randomgen, from, to));
    EXPECT_EQ(piecemove(from, to), piecemove(77, 77));
    EXPECT_EQ(live(), b);

    computerturn(0, 3, 3);
    EXPECT_FALSE(computermove());
    EXPECT_EQ(live(), b);
    EXPECT_TRUE(blinked.empty());

    // Nothing to draw from at all: the random player gives up instead of
    // drawing for ever.
    const testboard hemmed = withpieces({4}, {21, 22, 38, 40});
    setcells(hemmed);
    EXPECT_FALSE(choosemove('o', 0, randomgen, from, to));
    EXPECT_EQ(live(), hemmed);
}

TEST_F(drivertest, ElapsedMillisecondsAcrossASecondBoundary)
{
    EXPECT_EQ(elapsedms(10, 900, 11, 50), 150);
    EXPECT_EQ(elapsedms(10, 900, 10, 900), 0);
    EXPECT_EQ(elapsedms(59, 999, 61, 0), 1001);
}

} // namespace

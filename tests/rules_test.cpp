#include <algorithm>
#include <cstring>
#include <vector>

#include "rules.h"
#include "testboard.h"

namespace {

using rulestest = enginetest;

std::vector<int> movesof(const testboard &b, int start)
{
    copyboard(b.data(), cells);
    char map[boardsize];
    std::memset(map, 7, sizeof map); // findmoves must clear whatever was there
    findmoves(start, map);
    EXPECT_EQ(std::count(map, map + boardsize, 0) + std::count(map, map + boardsize, 1), boardsize)
        << "map entries must be 0 or 1";
    EXPECT_EQ(tolive(cells), b) << "findmoves must not change the board";
    return destinations(map);
}

TEST_F(rulestest, InitialPositionGivesEachSideFourteenDestinations)
{
    struct {
        int piece;
        std::vector<int> expected;
    } const cases[] = {
        {230, {212, 213}}, {231, {213, 214}}, {232, {214, 215}}, {233, {215, 216}},
        {248, {212, 214}}, {249, {213, 215}}, {250, {214, 216}}, {266, {}},
        {267, {}},         {284, {}},
        {55, {72, 73}},    {56, {73, 74}},    {57, {74, 75}},    {58, {75, 76}},
        {38, {72, 74}},    {39, {73, 75}},    {40, {74, 76}},    {4, {}},
        {21, {}},          {22, {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(movesof(initialposition(), c.piece), c.expected) << "piece on " << c.piece;
}

TEST_F(rulestest, DestinationsAreStepsAndEveryLandingHoleOfAJumpChain)
{
    testboard marked = withpieces({144}, {127});
    marked[110] = 'm'; // only 'c' is empty: no landing on a mark
    marked[143] = 'm'; // ... and a mark counts as an occupied hole
    testboard pinnedtip = withpieces({4}, {21, 22});

    struct {
        const char *name;
        testboard board;
        int start;
        std::vector<int> expected;
    } const cases[] = {
        {"two jumps over either side", withpieces({144, 93}, {127}), 144,
         {76, 110, 126, 143, 145, 161, 162}},
        {"hemmed in twice", withpieces({144, 126, 127, 145}, {162, 161, 143, 108, 110, 146, 180, 178, 142}),
         144, {}},
        {"hemmed in once", withpieces({144, 126, 127, 145}, {162, 161, 143}), 144,
         {108, 110, 142, 146, 178, 180}},
        {"chain that comes round to a reached hole", withpieces({144}, {127, 111, 129, 145, 128}), 144,
         {110, 112, 126, 143, 146, 161, 162}},
        {"top tip", withpieces({4}, {}), 4, {21, 22}},
        {"top tip jumping", pinnedtip, 4, {38, 40}},
        {"bottom tip", withpieces({}, {284}), 284, {266, 267}},
        {"left tip", withpieces({68}, {}), 68, {69, 86}},
        {"right tip", withpieces({220}, {}), 220, {202, 219}},
        {"marks", marked, 144, {126, 142, 145, 161, 162}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(movesof(c.board, c.start), c.expected) << c.name;
}

TEST_F(rulestest, FindjumpsKeepsWhatTheMapHoldsAndTreatsItAsReached)
{
    copyboard(withpieces({144, 93}, {127}).data(), cells);
    char map[boardsize] = {};
    map[110] = 1; // already reached: no chain continues from it
    map[5] = 1;
    findjumps(144, map);
    EXPECT_EQ(destinations(map), (std::vector<int>{5, 110}));
}

TEST_F(rulestest, GameoverWhenOneSideFillsItsGoalCamp)
{
    const int middle[10] = {140, 141, 142, 143, 144, 145, 146, 147, 148, 157};
    auto board = [](const int *o, const int *r) {
        testboard b = emptystar();
        for (int k = 0; k < 10; ++k) {
            b[o[k]] = 'o';
            b[r[k]] = 'r';
        }
        return b;
    };
    // Nine 'o' on the top camp, its tenth cell (4) held by an 'r'.
    const int ninetop[10] = {72, 21, 22, 38, 39, 40, 55, 56, 57, 58};
    const int blocker[10] = {4, 141, 142, 143, 144, 145, 146, 147, 148, 157};
    const int ninebottom[10] = {212, 231, 232, 233, 248, 249, 250, 266, 267, 284};
    const int blockerbottom[10] = {230, 141, 142, 143, 144, 145, 146, 147, 148, 157};
    const int lower[10] = {174, 175, 176, 177, 178, 179, 180, 181, 182, 183};

    struct {
        const char *name;
        testboard board;
        bool expected;
    } const cases[] = {
        {"initial position", initialposition(), false},
        {"ten o on the top camp", board(topcampcells, middle), true},
        {"ten o on the top camp, ten r on the bottom camp", board(topcampcells, bottomcampcells), true},
        {"ten r on the bottom camp", board(middle, bottomcampcells), true},
        {"nine o and one r on the top camp", board(ninetop, blocker), false},
        {"nine r and one o on the bottom camp", board(blockerbottom, ninebottom), false},
        {"both sides in the middle", board(middle, lower), false},
    };
    for (const auto &c : cases) {
        copyboard(c.board.data(), cells);
        EXPECT_EQ(gameover(), c.expected) << c.name;
    }
}

} // namespace

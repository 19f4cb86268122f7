#include <algorithm>
#include <cstring>

#include "testboard.h"

namespace {

using boardtest = enginetest;

TEST_F(boardtest, InitialPositionHasTheCampsFilledAndTheRestOfTheStarEmpty)
{
    cells[144] = 'o';
    pieceselected = true;
    initboard();

    EXPECT_EQ(live(), initialposition());
    EXPECT_EQ(std::count(cells, cells + boardsize, 'r'), 10);
    EXPECT_EQ(std::count(cells, cells + boardsize, 'o'), 10);
    EXPECT_EQ(std::count(cells, cells + boardsize, 'c'), 101);
    EXPECT_EQ(std::count(cells, cells + boardsize, '0'), 168);
    EXPECT_FALSE(pieceselected);
}

TEST_F(boardtest, CampTablesListTheTopAndBottomPoints)
{
    EXPECT_TRUE(std::equal(topcamp, topcamp + 10, topcampcells));
    EXPECT_TRUE(std::equal(bottomcamp, bottomcamp + 10, bottomcampcells));
}

TEST_F(boardtest, InstarHoldsForExactlyThe121HolesOfTheStar)
{
    int holes = 0;
    for (int i = 0; i < boardsize; ++i) {
        EXPECT_EQ(instar(i), isstarcell(i)) << "index " << i;
        holes += instar(i);
    }
    EXPECT_EQ(holes, 121);
}

TEST_F(boardtest, InitboardStopsTheBlinkThroughTheHookWhenOneIsInstalled)
{
    static int stops;
    stops = 0;
    hooks.stopblink = [] { ++stops; };
    initboard();
    EXPECT_EQ(stops, 1);
}

TEST_F(boardtest, CellxyGivesTheTopLeftCornerOfTheBox)
{
    struct {
        int index, x, y;
    } const cases[] = {
        {4, 238, 12},  {144, 238, 204}, {284, 238, 396}, {68, 94, 108},
        {220, 382, 300}, {0, 142, 12},  {272, -50, 396},
    };
    for (const auto &c : cases) {
        int x = 0, y = 0;
        cellxy(c.index, x, y);
        EXPECT_EQ(x, c.x) << "index " << c.index;
        EXPECT_EQ(y, c.y) << "index " << c.index;
    }
}

TEST_F(boardtest, BoxesOfTheStarLieWithinTheBoardImage)
{
    int minx = 1000, maxx = -1000, miny = 1000, maxy = -1000;
    for (int i = 0; i < boardsize; ++i) {
        int x = 0, y = 0;
        cellxy(i, x, y);
        EXPECT_GE(x, -50);
        EXPECT_LE(x, 526);
        if (!isstarcell(i))
            continue;
        minx = std::min(minx, x);
        maxx = std::max(maxx, x);
        miny = std::min(miny, y);
        maxy = std::max(maxy, y);
    }
    EXPECT_EQ(minx, 94);
    EXPECT_EQ(maxx, 382);
    EXPECT_EQ(miny, 12);
    EXPECT_EQ(maxy, 396);
}

TEST_F(boardtest, NextcellAddsTheDirectionsOffsetWithoutRangeTest)
{
    struct {
        int index, direction, expected;
    } const cases[] = {
        {144, 1, 126}, {144, 2, 127}, {144, 3, 145}, {144, 4, 162}, {144, 5, 161},
        {144, 6, 143}, {4, 1, -14},   {284, 4, 302}, {144, 0, -1},  {144, 7, -1},
        {144, -1, -1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(nextcell(c.index, c.direction), c.expected)
            << "nextcell(" << c.index << ", " << c.direction << ")";
}

// A step or a jump that runs off the end of a grid row must land outside the
// star or outside the array, so that the rules need no column test.
TEST_F(boardtest, StepsAndJumpsNeverWrapOntoAnotherRowOfTheStar)
{
    const int drow[7] = {0, -1, -1, 0, 1, 1, 0};
    const int dcolumn[7] = {0, -1, 0, 1, 1, 0, -1};
    for (int i = 0; i < boardsize; ++i) {
        if (!isstarcell(i))
            continue;
        for (int d = 1; d <= 6; ++d) {
            int n = i;
            for (int distance = 1; distance <= 2; ++distance) {
                n = nextcell(n, d);
                if (n < 0 || n >= boardsize || !isstarcell(n))
                    continue;
                EXPECT_EQ(n / 17 - i / 17, distance * drow[d]) << i << " direction " << d;
                EXPECT_EQ(n % 17 - i % 17, distance * dcolumn[d]) << i << " direction " << d;
            }
        }
    }
}

TEST_F(boardtest, CopyboardCopiesExactly289Letters)
{
    char source[boardsize + 2], destination[boardsize + 2];
    std::memset(source, 'x', sizeof source);
    std::memset(destination, '#', sizeof destination);
    copyboard(source + 1, destination + 1);
    EXPECT_EQ(destination[0], '#');
    EXPECT_EQ(destination[boardsize + 1], '#');
    EXPECT_EQ(std::count(destination + 1, destination + 1 + boardsize, 'x'), boardsize);

    humanpiece = 'o';
    computerpiece = 'r';
    const testboard other = withpieces({144}, {127});
    copyboard(other.data(), cells);
    EXPECT_EQ(live(), other);
    EXPECT_EQ(humanpiece, 'o');
    EXPECT_EQ(computerpiece, 'r');
}

} // namespace

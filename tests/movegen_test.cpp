#include <memory>
#include <vector>

#include "testboard.h"

namespace {

using movegentest = enginetest;

// A successor list is large; keep it off the stack.
struct generated {
    std::unique_ptr<successorlist> list = std::make_unique<successorlist>();
    std::vector<piecemove> moves;
};

generated generate(const testboard &b, char side)
{
    generated g;
    const int count = movegen(b.data(), side, *g.list);
    EXPECT_EQ(count, g.list->count);
    g.moves = successormoves(b.data(), *g.list);
    for (const auto &m : g.moves)
        EXPECT_NE(m.first, -1) << "every successor is the board with one move applied";
    return g;
}

TEST_F(movegentest, InitialPositionGivesFourteenSuccessorsInPieceThenDestinationOrder)
{
    const std::vector<piecemove> o = {
        {230, 212}, {230, 213}, {231, 213}, {231, 214}, {232, 214}, {232, 215}, {233, 215},
        {233, 216}, {248, 212}, {248, 214}, {249, 213}, {249, 215}, {250, 214}, {250, 216},
    };
    const std::vector<piecemove> r = {
        {38, 72}, {38, 74}, {39, 73}, {39, 75}, {40, 74}, {40, 76}, {55, 72},
        {55, 73}, {56, 73}, {56, 74}, {57, 74}, {57, 75}, {58, 75}, {58, 76},
    };
    int expectednodes = 0;
    for (bool optimise : {true, false}) {
        curoptmovegen = optimise;
        EXPECT_EQ(generate(initialposition(), 'o').moves, o) << "optimise " << optimise;
        EXPECT_EQ(nodes, expectednodes += 14);
        EXPECT_EQ(generate(initialposition(), 'r').moves, r) << "optimise " << optimise;
        EXPECT_EQ(nodes, expectednodes += 14);
    }
    EXPECT_EQ(boxes, 0);
}

// Optimize Movegen drops moves that end in a row behind the piece, whatever
// path the jumps took; the sideways step between the two middle cells of a
// goal camp's widest row is dropped always.
TEST_F(movegentest, FiltersDropBackwardMovesAndTheMiddleStepOfTheGoalCamp)
{
    struct {
        const char *name;
        testboard board;
        char side;
        int piece;
        std::vector<int> unfiltered, optimised;
    } const cases[] = {
        {"o in row 8", withpieces({144}, {}), 'o', 144,
         {126, 127, 143, 145, 161, 162}, {126, 127, 143, 145}},
        {"r in row 8", withpieces({}, {144}), 'r', 144,
         {126, 127, 143, 145, 161, 162}, {143, 145, 161, 162}},
        {"o jumping back and up again", withpieces({144}, {162, 163}), 'o', 144,
         {126, 127, 143, 145, 146, 161, 180}, {126, 127, 143, 145, 146}},
        {"o jumping up twice", withpieces({144, 93}, {127}), 'o', 144,
         {76, 110, 126, 143, 145, 161, 162}, {76, 110, 126, 143, 145}},
        {"r on 231", withpieces({}, {231}), 'r', 231, {213, 214, 230, 248, 249}, {230, 248, 249}},
        {"r on 232", withpieces({}, {232}), 'r', 232, {214, 215, 233, 249, 250}, {233, 249, 250}},
        {"r on 230 keeps its step to 231", withpieces({}, {230}), 'r', 230, {212, 213, 231, 248},
         {231, 248}},
        {"o on 56", withpieces({56}, {}), 'o', 56, {38, 39, 55, 73, 74}, {38, 39, 55}},
        {"o on 57", withpieces({57}, {}), 'o', 57, {39, 40, 58, 74, 75}, {39, 40, 58}},
        {"o on 55 keeps its step to 56", withpieces({55}, {}), 'o', 55, {38, 56, 72, 73}, {38, 56}},
    };
    for (const auto &c : cases) {
        for (bool optimise : {false, true}) {
            curoptmovegen = optimise;
            std::vector<int> to;
            for (const auto &m : generate(c.board, c.side).moves)
                if (m.first == c.piece)
                    to.push_back(m.second);
            EXPECT_EQ(to, optimise ? c.optimised : c.unfiltered) << c.name << ", optimise " << optimise;
        }
    }
}

TEST_F(movegentest, SideWithoutAMoveThatPassesTheFiltersGetsAnEmptyList)
{
    // Ten o filling the top camp can only go back.
    const testboard b = withpieces({4, 21, 22, 38, 39, 40, 55, 56, 57, 58}, {140});
    curoptmovegen = true;
    EXPECT_TRUE(generate(b, 'o').moves.empty());
    EXPECT_EQ(nodes, 0);
    curoptmovegen = false;
    EXPECT_EQ(generate(b, 'o').moves.size(), 14u);
}

TEST_F(movegentest, OnlyTheFirstTenPiecesInIndexOrderMove)
{
    testboard b = initialposition();
    b[144] = 'r'; // an eleventh r, after the ten of the top camp
    for (const auto &m : generate(b, 'r').moves)
        EXPECT_NE(m.first, 144);
}

TEST_F(movegentest, MoreThanAHundredMovesGiveTheFirstHundredAndOneBox)
{
    const testboard b = withpieces({109, 123, 124, 130, 146, 160, 163, 165, 178, 195},
                                   {73, 74, 88, 107, 111, 113, 128, 143, 144, 147});
    curoptmovegen = true;

    // Every forward or sideways move of o, in generation order.
    std::vector<piecemove> legal;
    for (const auto &m : legalmoves(b, 'o'))
        if (m.second / 17 <= m.first / 17)
            legal.push_back(m);
    ASSERT_GT(legal.size(), 100u);
    legal.resize(100);

    nodes = 5;
    const generated g = generate(b, 'o');
    EXPECT_EQ(g.list->count, 100);
    EXPECT_EQ(g.moves, legal);
    EXPECT_EQ(nodes, 105);
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(boxtext, "Movegen overflow");
}

TEST_F(movegentest, LeavesTheGivenBoardInCells)
{
    const testboard b = withpieces({144, 93}, {127});
    generate(b, 'r');
    EXPECT_EQ(live(), b);
}

TEST(msgbox, WithoutAWindowWritesTheTextToStderrAndAnswersOk)
{
    hooks = gamehooks{};
    testing::internal::CaptureStderr();
    const int answer = msgbox("Movegen overflow");
    const std::string written = testing::internal::GetCapturedStderr();
    EXPECT_EQ(answer, 1);
    EXPECT_NE(written.find("Movegen overflow"), std::string::npos);
}

} // namespace

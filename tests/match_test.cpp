#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "board.h"
#include "match.h"
#include "rules.h"

namespace {

computerplayer player(const char *text)
{
    std::string error;
    const auto p = parseplayer(text, error);
    EXPECT_TRUE(p) << text << ": " << error;
    return p.value_or(computerplayer{});
}

std::vector<gameresult> playmatch(const char *p1, const char *p2, int games, int maxmoves,
                                  int opening, unsigned seed)
{
    const computerplayer players[2] = {player(p1), player(p2)};
    std::mt19937 gen(seed);
    std::vector<gameresult> results;
    for (int i = 0; i < games; ++i)
        results.push_back(playgame(players, maxmoves, opening, gen));
    return results;
}

void expectsamegames(const std::vector<gameresult> &a, const std::vector<gameresult> &b)
{
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i) {
        SCOPED_TRACE("game " + std::to_string(i + 1));
        EXPECT_EQ(a[i].winner, b[i].winner);
        EXPECT_EQ(a[i].moves, b[i].moves);
        EXPECT_EQ(a[i].played, b[i].played);
        for (int k = 0; k < 2; ++k) {
            EXPECT_EQ(a[i].side[k].moves, b[i].side[k].moves);
            EXPECT_EQ(a[i].side[k].nodes, b[i].side[k].nodes);
        }
    }
}

} // namespace

TEST(ParsePlayer, ReadsHeuristicPliesAndOptions)
{
    struct {
        const char *text;
        computerplayer expected;
        const char *name;
    } cases[] = {
        {"H1", {0, 3, true, true, true}, "H1"},
        {"H4", {3, 3, true, true, true}, "H4:3"},
        {"H4:3", {3, 3, true, true, true}, "H4:3"},
        {"h2:1", {1, 1, true, true, true}, "H2:1"},
        {"H5:10", {4, 10, true, true, true}, "H5:10"},
        {"H5:4,nosort", {4, 4, true, false, true}, "H5:4,nosort"},
        {"H3:5,noopt,nosort,nobest", {2, 5, false, false, false}, "H3:5,noopt,nosort,nobest"},
        {"H3:2,nobest,noopt", {2, 2, false, true, false}, "H3:2,noopt,nobest"},
        // The last word about an option holds.
        {"H4:2,nosort,sort,opt", {3, 2, true, true, true}, "H4:2"},
        {"H1:4,noopt", {0, 4, false, true, true}, "H1"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        std::string error;
        const auto p = parseplayer(c.text, error);
        ASSERT_TRUE(p) << error;
        EXPECT_EQ(*p, c.expected);
        EXPECT_EQ(playername(*p), c.name);
        // The short form reads back as the same player (plies aside for H1).
        const auto again = parseplayer(playername(*p), error);
        ASSERT_TRUE(again);
        if (p->heuristic != 0) {
            EXPECT_EQ(*again, *p);
        }
    }
}

TEST(ParsePlayer, RejectsBadDescriptionsWithAReason)
{
    struct {
        const char *text;
        const char *reason;
    } cases[] = {
        {"", "expected H1..H5"},
        {"H", "expected H1..H5"},
        {"H0", "expected H1..H5"},
        {"H6:3", "expected H1..H5"},
        {"X4:3", "expected H1..H5"},
        {"4:3", "expected H1..H5"},
        {"H43", "expected H1..H5"},
        {"H4;3", "expected H1..H5"},
        {"H4:", "expected H1..H5"},
        {"H4:0", "plies must be"},
        {"H4:11", "plies must be"},
        {"H4:-1", "plies must be"},
        {"H4:+3", "plies must be"},
        {"H4:3x", "plies must be"},
        {"H4:99999999999", "plies must be"},
        {"H4:3,fast", "unknown option 'fast'"},
        {"H4:3,", "unknown option ''"},
        {"H4:3,,nosort", "unknown option ''"},
        {"H4:3,NOSORT", "unknown option 'NOSORT'"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        std::string error;
        EXPECT_FALSE(parseplayer(c.text, error));
        EXPECT_NE(error.find(std::string("'") + c.text + "'"), std::string::npos) << error;
        EXPECT_NE(error.find(c.reason), std::string::npos) << error;
    }
}

TEST(PlayGame, SameMatchPlaysTheSameGames)
{
    const auto first = playmatch("H4:2", "H3:2,nosort", 2, 300, 0, 7);
    const auto second = playmatch("H4:2", "H3:2,nosort", 2, 300, 0, 7);
    expectsamegames(first, second);
    // Two searching players from the same start play the same game each time.
    expectsamegames({first[0]}, {first[1]});
    ASSERT_GE(first[0].winner, 0);
    EXPECT_EQ(static_cast<int>(first[0].played.size()), first[0].moves);
    EXPECT_EQ(first[0].side[0].moves + first[0].side[1].moves, first[0].moves);
    EXPECT_GT(first[0].side[0].nodes, 0);
    EXPECT_GT(first[0].side[1].nodes, 0);
}

TEST(PlayGame, RandomOpeningsDependOnTheSeedOnly)
{
    constexpr int opening = 6;
    const auto a = playmatch("H3:1", "H2:1", 3, 200, opening, 11);
    const auto b = playmatch("H3:1", "H2:1", 3, 200, opening, 11);
    const auto c = playmatch("H3:1", "H2:1", 3, 200, opening, 12);
    expectsamegames(a, b);

    const auto openingof = [](const gameresult &g) {
        return std::vector<playedmove>(g.played.begin(), g.played.begin() + opening);
    };
    for (size_t i = 0; i < a.size(); ++i) {
        SCOPED_TRACE("game " + std::to_string(i + 1));
        EXPECT_NE(openingof(a[i]), openingof(c[i]));
        // The opening's moves are nobody's choice: they are not in the sides' counts.
        EXPECT_EQ(a[i].side[0].moves + a[i].side[1].moves + opening, a[i].moves);
    }
    // The generator runs on from game to game, so the games of one match differ too.
    EXPECT_NE(openingof(a[0]), openingof(a[1]));
    EXPECT_NE(openingof(a[1]), openingof(a[2]));
}

TEST(PlayGame, RandomPlayerNeverBeatsH4)
{
    // H1 on either side. H4 wins where it can; H1's pieces left in their home
    // camp, walled in by H4's, can keep the goal from filling, and such a game
    // stays unfinished.
    int h4wins = 0;
    for (const bool randomfirst : {true, false}) {
        SCOPED_TRACE(randomfirst ? "H1 moves first" : "H4:3 moves first");
        const auto games = randomfirst ? playmatch("H1", "H4:3", 3, 250, 0, 3)
                                       : playmatch("H4:3", "H1", 3, 250, 0, 3);
        const int randomside = randomfirst ? 0 : 1;
        for (const gameresult &g : games) {
            EXPECT_NE(g.winner, randomside);
            h4wins += g.winner == 1 - randomside;
            EXPECT_EQ(g.side[randomside].nodes, 0);
            EXPECT_GT(g.side[1 - randomside].nodes, 0);
        }
        EXPECT_EQ(summarize(games, randomside).wins, 0);
    }
    EXPECT_GT(h4wins, 0);
}

TEST(PlayGame, WinEndsTheGameAtTheWinningMove)
{
    const auto games = playmatch("H5:2", "H2:2", 1, 400, 0, 1);
    const gameresult &g = games[0];
    ASSERT_GE(g.winner, 0);
    EXPECT_TRUE(gameover()); // cells holds the final position
    EXPECT_EQ(g.winner, (g.moves - 1) % 2);
    // The winner's goal camp is full of its own pieces.
    const int *goal = g.winner == 0 ? topcamp : bottomcamp;
    const char letter = g.winner == 0 ? 'o' : 'r';
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(cells[goal[i]], letter) << goal[i];
}

TEST(PlayGame, GameWithoutWinnerAtTheLimitIsUnfinished)
{
    const auto games = playmatch("H4:2", "H1", 2, 7, 3, 5);
    for (const gameresult &g : games) {
        EXPECT_EQ(g.winner, -1);
        EXPECT_EQ(g.moves, 7);
        EXPECT_EQ(g.played.size(), 7u);
        // After three opening moves, turns 5 and 7 are Player 1's own, 4 and 6
        // Player 2's.
        EXPECT_EQ(g.side[0].moves, 2);
        EXPECT_EQ(g.side[1].moves, 2);
    }
    const playersummary s = summarize(games, 0);
    EXPECT_EQ(s.wins, 0);
    EXPECT_EQ(s.unfinished, 2);
    EXPECT_EQ(s.meanmovestowin, 0);
}

TEST(Summarize, AveragesOverWinsAndOverChosenMoves)
{
    using namespace std::chrono_literals;
    std::vector<gameresult> games(3);
    games[0].winner = 1;
    games[0].moves = 100;
    games[1].winner = 1;
    games[1].moves = 121;
    games[2].winner = -1;
    games[2].moves = 400;
    const int chosen[3] = {48, 58, 198};
    for (int i = 0; i < 3; ++i) {
        games[i].side[1].moves = chosen[i];
        games[i].side[1].nodes = 1000 * chosen[i];
        games[i].side[1].time = 2ms * chosen[i];
    }
    const playersummary p2 = summarize(games, 1);
    EXPECT_EQ(p2.wins, 2);
    EXPECT_EQ(p2.unfinished, 1);
    EXPECT_DOUBLE_EQ(p2.meanmovestowin, 110.5);
    EXPECT_DOUBLE_EQ(p2.meannodespermove, 1000);
    EXPECT_DOUBLE_EQ(p2.meanmspermove, 2);
    const playersummary p1 = summarize(games, 0);
    EXPECT_EQ(p1.wins, 0);
    EXPECT_EQ(p1.unfinished, 1);
    EXPECT_EQ(p1.meannodespermove, 0); // no moves: no division by zero
}

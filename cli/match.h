// Games between two computer players without the window: the players'
// descriptions and the play of one game, kept apart from the command line so
// that tests can drive them directly.
#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

// A computer player as the configuration dialog sets it up.
struct computerplayer {
    int heuristic = 3; // setting 0 "H1 : Random" .. 4 "H5 : H4 + Back Moves"
    int plies = 3;
    bool optmovegen = true;
    bool sortmoves = true;
    bool bestmovefirst = true;

    bool operator==(const computerplayer &) const = default;
};

// Deepest search a description may ask for; the search's time grows several
// times over with every ply, so more would not finish a game anyway.
constexpr int maxmatchplies = 10;

// Reads "H<1-5>[:<plies>][,noopt][,nosort][,nobest]" (also "opt", "sort",
// "best" to say the default aloud). On failure returns nothing and says why
// in error.
std::optional<computerplayer> parseplayer(std::string_view text, std::string &error);

// The short form of a player, the one parseplayer reads: "H4:3",
// "H3:5,noopt,nobest", "H1" (a random player's search settings are unused).
std::string playername(const computerplayer &p);

struct sidestats {
    int moves = 0;  // moves the player chose itself (opening plies not counted)
    int passes = 0; // turns on which the side had no move
    long long nodes = 0;
    std::chrono::steady_clock::duration time{}; // spent choosing those moves
};

struct playedmove {
    int from, to;
    bool operator==(const playedmove &) const = default;
};

struct gameresult {
    int winner = -1; // 0 Player 1, 1 Player 2, -1 unfinished
    int moves = 0;   // turns played, opening and passes included
    std::vector<playedmove> played; // every move on the board, in order
    sidestats side[2];
};

// Plays one game from the initial position, Player 1 first: openingplies
// random plies, then each side's moves chosen as the computer player chooses
// them, until a side fills its goal camp or maxmoves turns have been played.
// Random numbers come from gen. Calls progress, when given, after every turn
// with the number of turns so far. Leaves the final position in cells.
gameresult playgame(const computerplayer (&players)[2], int maxmoves, int openingplies,
                    std::mt19937 &gen, const std::function<void(int)> &progress = {});

struct playersummary {
    int wins = 0;
    int unfinished = 0;
    double meanmovestowin = 0;  // game length of the games won; 0 without a win
    double meannodespermove = 0;
    double meanmspermove = 0;
};

// The record of one side (0 Player 1, 1 Player 2) over a match.
playersummary summarize(const std::vector<gameresult> &games, int side);

double milliseconds(std::chrono::steady_clock::duration d);

// chinesecheckers-cli match: games between two computer players.
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "cli.h"
#include "match.h"

namespace {

const char help[] =
    "usage: chinesecheckers-cli match --p1 PLAYER --p2 PLAYER [--games N] [--max-moves M]\n"
    "                                 [--random-opening K] [--seed S] [--json] [--csv FILE]\n"
    "\n"
    "Plays games between two computer players. Every game starts from the initial\n"
    "position with Player 1 (green, from the bottom point) to move, and every move\n"
    "is chosen as the game's computer player chooses it.\n"
    "\n"
    "PLAYER is H<heuristic>[:<plies>][,noopt][,nosort][,nobest]\n"
    "  H1 .. H5  the heuristic, as in the configuration dialog: H1 random,\n"
    "            H2 vertical, H3 H2 + horizontal, H4 H3 + split, H5 H4 + back moves\n"
    "  :plies    search depth, 1 to 10 (default 3; a random player does not search)\n"
    "  ,noopt    \"Optimize Movegen\" off\n"
    "  ,nosort   \"Sort Moves\" off\n"
    "  ,nobest   \"Best Move First\" off\n"
    "  The three options are on unless turned off, as in the game.\n"
    "  Examples: H1   H4:3   H2:1   H5:4,nosort   H3:5,noopt,nosort,nobest\n"
    "\n"
    "Options:\n"
    "  --p1 PLAYER          Player 1, who moves first (required)\n"
    "  --p2 PLAYER          Player 2 (required)\n"
    "  --games N            number of games, 1 to 100000 (default 1)\n"
    "  --max-moves M        a game still running after M moves counts as unfinished,\n"
    "                       1 to 100000 (default 400)\n"
    "  --random-opening K   begin every game with K random moves, 0 to M-1 (default 0),\n"
    "                       so that games between two searching players differ\n"
    "  --seed S             seed of all random moves, 0 to 4294967295 (default 1);\n"
    "                       the same seed plays the same games\n"
    "  --json               print the games and the summary as JSON instead of text\n"
    "  --csv FILE           also write one row per game to FILE\n"
    "  -h, --help           show this text\n"
    "\n"
    "A move is one turn of one side; the opening's random moves count, and so does\n"
    "a turn on which a side has no move and passes. Each game gives one line: the\n"
    "winner or \"unfinished\", its moves, and per side the moves it chose itself\n"
    "(opening not included), the positions searched and the milliseconds taken.\n"
    "The summary gives per player the wins, the unfinished games, the mean length\n"
    "of the games it won, and the mean nodes and milliseconds per move it chose.\n"
    "\n"
    "Exit status: 0 when the match has been played, 2 for bad usage.\n"
    "\n"
    "Round robin of scripts/roundrobin: 10 games per pairing and side, random\n"
    "opening 4, seed 1, at most 400 moves; wins of the row player against the\n"
    "column player, out of 20:\n"
    "\n"
    "        H1  H2:3  H3:3  H4:3  H5:3   wins  unfinished  moves to win  nodes/move\n"
    "  H1     -     0     0     0     0      0          68             -           0\n"
    "  H2:3   3     -     1     3     3     10          23         147.1        1814\n"
    "  H3:3   4    17     -    11     7     39          26         109.7        1871\n"
    "  H4:3   3    13     5     -     3     24          29         118.1        1696\n"
    "  H5:3   2    17     9    13     -     41          26         106.9        1867\n"
    "\n"
    "Most unfinished games are stand-offs: pieces left behind in their home camp,\n"
    "walled in by the other side, keep its goal from filling, or two searching\n"
    "players move the same pieces back and forth without progress.\n";


struct matchoptions {
    computerplayer players[2];
    bool given[2] = {false, false};
    // Wide enough for every option's range; checked on entry.
    long long games = 1;
    long long maxmoves = 400;
    long long openingplies = 0;
    long long seed = 1;
    bool json = false;
    std::string csvpath;
};

bool parsenumber(std::string_view text, long long low, long long high, long long &value)
{
    long long v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size() || v < low || v > high)
        return false;
    value = v;
    return true;
}

// Writes the message, pieced together from parts, and gives the exit status.
template <typename... Parts> int usageerror(const Parts &...parts)
{
    std::fputs("chinesecheckers-cli match: ", stderr);
    (std::fputs(std::string(parts).c_str(), stderr), ...);
    std::fputs("\nRun 'chinesecheckers-cli match --help' for the options.\n", stderr);
    return 2;
}

struct numberoption {
    std::string_view name;
    long long low, high;
    long long matchoptions::*field;
};

const numberoption numberoptions[] = {
    {"--games", 1, 100000, &matchoptions::games},
    {"--max-moves", 1, 100000, &matchoptions::maxmoves},
    {"--random-opening", 0, 100000, &matchoptions::openingplies},
    {"--seed", 0, UINT32_MAX, &matchoptions::seed},
};

// Returns -1 when the options are good, else the exit status.
int parseoptions(int argc, char **argv, matchoptions &o)
{
    for (int i = 0; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-h" || arg == "--help") {
            std::fputs(help, stdout);
            return 0;
        }
        if (arg == "--json") {
            o.json = true;
            continue;
        }
        // The others take a value: "--games 5" or "--games=5".
        std::string_view name = arg, value;
        const auto equals = arg.find('=');
        const bool joined = arg.starts_with("--") && equals != std::string_view::npos;
        if (joined)
            name = arg.substr(0, equals);
        const auto number = std::find_if(std::begin(numberoptions), std::end(numberoptions),
                                         [&](const numberoption &n) { return n.name == name; });
        const bool known =
            name == "--p1" || name == "--p2" || name == "--csv" || number != std::end(numberoptions);
        if (!known)
            return usageerror("unknown option '", arg, "'");
        if (joined)
            value = arg.substr(equals + 1);
        else if (i + 1 < argc)
            value = argv[++i];
        else
            return usageerror(name, " needs a value");

        if (number != std::end(numberoptions)) {
            if (!parsenumber(value, number->low, number->high, o.*number->field))
                return usageerror(name, " must be a whole number from ",
                                  std::to_string(number->low), " to ",
                                  std::to_string(number->high), ", not '", value, "'");
        } else if (name == "--csv") {
            if (value.empty())
                return usageerror("--csv needs a file name");
            o.csvpath = value;
        } else {
            const int k = name == "--p1" ? 0 : 1;
            std::string error;
            const auto p = parseplayer(value, error);
            if (!p)
                return usageerror(name, ": ", error);
            o.players[k] = *p;
            o.given[k] = true;
        }
    }
    if (!o.given[0] || !o.given[1])
        return usageerror(o.given[0] ? "--p2" : "--p1", " is required");
    if (o.openingplies >= o.maxmoves)
        return usageerror("--random-opening (", std::to_string(o.openingplies),
                          ") must be smaller than --max-moves (", std::to_string(o.maxmoves), ")");
    return -1;
}

// Shows how far a long match has got, on a terminal only, rewriting one line.
class progressline {
public:
    explicit progressline(int games)
        : games(games), enabled(isatty(STDERR_FILENO)), start(std::chrono::steady_clock::now())
    {
    }
    ~progressline() { clear(); }
    // Before anything else is written to the terminal.
    void clear()
    {
        if (shown)
            std::fputs("\r\033[K", stderr);
        shown = false;
    }
    void update(int game, int move)
    {
        if (!enabled)
            return;
        const auto now = std::chrono::steady_clock::now();
        // Quick runs stay quiet; then at most a few updates a second.
        if (now - start < std::chrono::seconds(1) || now - last < std::chrono::milliseconds(200))
            return;
        last = now;
        shown = true;
        std::fprintf(stderr, "\r\033[Kgame %d/%d, move %d", game, games, move);
        std::fflush(stderr);
    }

private:
    int games;
    bool enabled;
    bool shown = false;
    std::chrono::steady_clock::time_point start, last;
};

// A player's name as one CSV field: the descriptions can hold commas.
std::string csvfield(const std::string &s)
{
    if (s.find(',') == std::string::npos)
        return s;
    std::string quoted = "\"";
    quoted += s;
    quoted += '"';
    return quoted;
}

std::string winnertext(const gameresult &g)
{
    return g.winner < 0 ? "unfinished" : std::to_string(g.winner + 1);
}

void printtextgame(int number, const gameresult &g, const std::string (&names)[2])
{
    if (g.winner < 0)
        std::printf("game %d: unfinished after %d moves", number, g.moves);
    else
        std::printf("game %d: Player %d wins in %d moves", number, g.winner + 1, g.moves);
    for (int k = 0; k < 2; ++k) {
        const sidestats &s = g.side[k];
        std::printf(" | P%d %s: %d moves, %lld nodes, %.1f ms", k + 1, names[k].c_str(), s.moves,
                    s.nodes, milliseconds(s.time));
        if (s.passes)
            std::printf(", %d passes", s.passes);
    }
    std::printf("\n");
}

void printtextsummary(const matchoptions &o, const std::string (&names)[2],
                      const playersummary (&sums)[2])
{
    const int width = static_cast<int>(std::max({names[0].size(), names[1].size(), size_t{6}}));
    std::printf("\nsummary of %lld games, at most %lld moves each, random opening %lld, seed %lld\n",
                o.games, o.maxmoves, o.openingplies, o.seed);
    std::printf("side  %-*s  wins  unfinished  moves to win  nodes/move   ms/move\n", width,
                "player");
    for (int k = 0; k < 2; ++k) {
        const playersummary &s = sums[k];
        char towin[32] = "-";
        if (s.wins)
            std::snprintf(towin, sizeof towin, "%.1f", s.meanmovestowin);
        std::printf("P%d    %-*s  %4d  %10d  %12s  %10.1f  %8.2f\n", k + 1, width, names[k].c_str(),
                    s.wins, s.unfinished, towin, s.meannodespermove, s.meanmspermove);
    }
}

void printjson(const matchoptions &o, const std::string (&names)[2],
               const std::vector<gameresult> &games, const playersummary (&sums)[2])
{
    // Names are our own short forms (letters, digits, ':' and ','): no escaping needed.
    std::printf("{\n  \"p1\": \"%s\",\n  \"p2\": \"%s\",\n", names[0].c_str(), names[1].c_str());
    std::printf("  \"games\": %lld,\n  \"max_moves\": %lld,\n  \"random_opening\": %lld,\n"
                "  \"seed\": %lld,\n",
                o.games, o.maxmoves, o.openingplies, o.seed);
    std::printf("  \"results\": [\n");
    for (size_t i = 0; i < games.size(); ++i) {
        const gameresult &g = games[i];
        std::printf("    {\"game\": %zu, \"winner\": %s, \"moves\": %d, \"sides\": [", i + 1,
                    g.winner < 0 ? "null" : std::to_string(g.winner + 1).c_str(), g.moves);
        for (int k = 0; k < 2; ++k) {
            const sidestats &s = g.side[k];
            std::printf("%s{\"moves\": %d, \"passes\": %d, \"nodes\": %lld, \"ms\": %.3f}",
                        k ? ", " : "", s.moves, s.passes, s.nodes, milliseconds(s.time));
        }
        std::printf("]}%s\n", i + 1 < games.size() ? "," : "");
    }
    std::printf("  ],\n  \"summary\": [\n");
    for (int k = 0; k < 2; ++k) {
        const playersummary &s = sums[k];
        char towin[32] = "null";
        if (s.wins)
            std::snprintf(towin, sizeof towin, "%.3f", s.meanmovestowin);
        std::printf("    {\"side\": %d, \"player\": \"%s\", \"wins\": %d, \"unfinished\": %d, "
                    "\"mean_moves_to_win\": %s, \"nodes_per_move\": %.3f, \"ms_per_move\": %.3f}%s\n",
                    k + 1, names[k].c_str(), s.wins, s.unfinished, towin, s.meannodespermove,
                    s.meanmspermove, k == 0 ? "," : "");
    }
    std::printf("  ]\n}\n");
}

void writecsvrow(std::FILE *csv, int number, const gameresult &g, const std::string (&names)[2])
{
    std::fprintf(csv, "%d,%s,%s,%s,%d", number, csvfield(names[0]).c_str(),
                 csvfield(names[1]).c_str(), winnertext(g).c_str(), g.moves);
    for (const sidestats &s : g.side)
        std::fprintf(csv, ",%d,%d,%lld,%.3f", s.moves, s.passes, s.nodes, milliseconds(s.time));
    std::fprintf(csv, "\n");
    std::fflush(csv);
}

} // namespace

int runmatch(int argc, char **argv)
{
    matchoptions o;
    if (const int status = parseoptions(argc, argv, o); status >= 0)
        return status;

    std::unique_ptr<std::FILE, int (*)(std::FILE *)> csv(nullptr, std::fclose);
    if (!o.csvpath.empty()) {
        csv.reset(std::fopen(o.csvpath.c_str(), "w"));
        if (!csv)
            return usageerror("cannot write '", o.csvpath, "': ", std::strerror(errno));
        std::fputs("game,p1,p2,winner,moves,p1_moves,p1_passes,p1_nodes,p1_ms,"
                   "p2_moves,p2_passes,p2_nodes,p2_ms\n",
                   csv.get());
    }

    const std::string names[2] = {playername(o.players[0]), playername(o.players[1])};
    std::mt19937 gen(static_cast<std::uint32_t>(o.seed));
    const int ngames = static_cast<int>(o.games);
    std::vector<gameresult> games;
    {
        progressline progress(ngames);
        for (int n = 1; n <= ngames; ++n) {
            games.push_back(playgame(o.players, static_cast<int>(o.maxmoves),
                                     static_cast<int>(o.openingplies), gen,
                                     [&](int move) { progress.update(n, move); }));
            progress.clear();
            if (!o.json)
                printtextgame(n, games.back(), names);
            if (csv)
                writecsvrow(csv.get(), n, games.back(), names);
        }
    }

    const playersummary sums[2] = {summarize(games, 0), summarize(games, 1)};
    if (o.json)
        printjson(o, names, games, sums);
    else
        printtextsummary(o, names, sums);
    return 0;
}

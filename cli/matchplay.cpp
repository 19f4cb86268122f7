#include "match.h"

#include <algorithm>
#include <charconv>
#include <iterator>

#include "board.h"
#include "driver.h"
#include "rules.h"
#include "search.h"

namespace {

struct optionword {
    std::string_view on, off;
    bool computerplayer::*flag;
};

const optionword optionwords[] = {
    {"opt", "noopt", &computerplayer::optmovegen},
    {"sort", "nosort", &computerplayer::sortmoves},
    {"best", "nobest", &computerplayer::bestmovefirst},
};

const char playerform[] = "expected H1..H5, optionally :PLIES and ,noopt ,nosort ,nobest";

} // namespace

std::optional<computerplayer> parseplayer(std::string_view text, std::string &error)
{
    const auto fail = [&](std::string_view why) {
        error = "bad player '";
        error += text;
        error += "': ";
        error += why;
        return std::nullopt;
    };
    computerplayer p;
    const auto comma = text.find(',');
    std::string_view head = text.substr(0, comma);
    std::string_view rest = comma == std::string_view::npos ? "" : text.substr(comma);

    if (head.size() < 2 || (head[0] != 'H' && head[0] != 'h') || head[1] < '1' || head[1] > '5')
        return fail(playerform);
    p.heuristic = head[1] - '1';
    head.remove_prefix(2);
    if (!head.empty()) {
        if (head[0] != ':' || head.size() == 1)
            return fail(playerform);
        head.remove_prefix(1);
        int plies = 0;
        const auto [end, ec] = std::from_chars(head.data(), head.data() + head.size(), plies);
        if (ec != std::errc() || end != head.data() + head.size() || plies < 1 ||
            plies > maxmatchplies)
            return fail("plies must be a whole number from 1 to " + std::to_string(maxmatchplies));
        p.plies = plies;
    }

    while (!rest.empty()) {
        rest.remove_prefix(1); // the comma
        const auto next = rest.find(',');
        const std::string_view word = rest.substr(0, next);
        rest = next == std::string_view::npos ? "" : rest.substr(next);
        const auto w = std::find_if(std::begin(optionwords), std::end(optionwords),
                                    [&](const optionword &w) { return word == w.on || word == w.off; });
        if (w == std::end(optionwords)) {
            std::string why = "unknown option '";
            why += word;
            why += "' (options are noopt, nosort, nobest)";
            return fail(why);
        }
        p.*w->flag = word == w->on;
    }
    return p;
}

std::string playername(const computerplayer &p)
{
    std::string name = "H";
    name += std::to_string(p.heuristic + 1);
    if (p.heuristic == 0)
        return name;
    name += ':';
    name += std::to_string(p.plies);
    for (const optionword &w : optionwords) {
        if (!(p.*w.flag)) {
            name += ',';
            name += w.off;
        }
    }
    return name;
}

gameresult playgame(const computerplayer (&players)[2], int maxmoves, int openingplies,
                    std::mt19937 &gen, const std::function<void(int)> &progress)
{
    gameresult game;
    initboard();
    for (int turn = 0; turn < maxmoves; ++turn) {
        const int mover = turn % 2;
        const char side = mover == 0 ? 'o' : 'r';
        const bool opening = turn < openingplies;
        const computerplayer &p = players[mover];
        curplies = p.plies;
        curoptmovegen = p.optmovegen;
        cursortmoves = p.sortmoves;
        curbestmovefirst = p.bestmovefirst;

        const auto start = std::chrono::steady_clock::now();
        int from = -1, to = -1;
        const bool found = choosemove(side, opening ? 0 : p.heuristic, gen, from, to);
        const auto elapsed = std::chrono::steady_clock::now() - start;

        game.moves = turn + 1;
        sidestats &stats = game.side[mover];
        if (!found) {
            ++stats.passes;
        } else {
            if (!opening) {
                ++stats.moves;
                stats.nodes += nodes;
                stats.time += elapsed;
            }
            game.played.push_back({from, to});
            cells[to] = cells[from];
            cells[from] = 'c';
        }
        if (progress)
            progress(game.moves);
        if (found && gameover()) {
            game.winner = mover;
            break;
        }
    }
    return game;
}

playersummary summarize(const std::vector<gameresult> &games, int side)
{
    playersummary s;
    long long wonmoves = 0, chosen = 0, searched = 0;
    std::chrono::steady_clock::duration spent{};
    for (const gameresult &g : games) {
        if (g.winner == side) {
            ++s.wins;
            wonmoves += g.moves;
        } else if (g.winner < 0) {
            ++s.unfinished;
        }
        chosen += g.side[side].moves;
        searched += g.side[side].nodes;
        spent += g.side[side].time;
    }
    if (s.wins > 0)
        s.meanmovestowin = static_cast<double>(wonmoves) / s.wins;
    if (chosen > 0) {
        s.meannodespermove = static_cast<double>(searched) / chosen;
        s.meanmspermove = milliseconds(spent) / chosen;
    }
    return s;
}

double milliseconds(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

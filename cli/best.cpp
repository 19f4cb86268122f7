// chinesecheckers-cli best: the computer's move for each position read from
// standard input.
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

#include "board.h"
#include "cli.h"
#include "driver.h"
#include "position.h"
#include "search.h"

namespace {

const char synopsis[] =
    "usage: chinesecheckers-cli best --heuristic K --plies P [--no-optmovegen] [--no-sortmoves]\n"
    "                                [--no-bestmovefirst]\n";

void printhelp()
{
    std::fputs(synopsis, stdout);
    std::fputs(
        "\n"
        "Reads positions from standard input, one a line: the side to move (o or r),\n"
        "one space, and the board as its 289 cell letters in index order (index =\n"
        "row * 17 + column, row 0 at the top): o and r for the pieces, c for an empty\n"
        "hole, 0 for a position outside the star. Each side has ten pieces.\n"
        "\n"
        "For each position prints one line\n"
        "  FROM TO NODES MICROS\n"
        "the cells of the computer's move (-1 -1 when the side has no move), the\n"
        "positions the search created and the search's time in microseconds.\n"
        "\n"
        "Options:\n"
        "  --heuristic K       1 \"H2 : Vertical\", 2 \"H3 : H2 + Horizontal\",\n"
        "                      3 \"H4 : H3 + Split\" or 4 \"H5 : H4 + Back Moves\"\n"
        "  --plies P           search depth in plies; 1 or less searches one ply\n"
        "  --no-optmovegen     switch off \"Optimize Movegen\" (search backward moves too)\n"
        "  --no-sortmoves      switch off \"Sort Moves\"\n"
        "  --no-bestmovefirst  switch off \"Best Move First\"\n"
        "  --help              show this text\n"
        "\n"
        "A line that is not such a position gets an error on standard error that\n"
        "names its line number; it is skipped, the lines after it are answered, and\n"
        "the exit status is 2. Bad options give exit status 2 before anything is read.\n"
        "\n"
        "Example, the initial position with Player 1 to move:\n",
        stdout);
    initboard();
    std::printf("  echo 'o %.*s' | \\\n    chinesecheckers-cli best --heuristic 3 --plies 3\n", boardsize, cells);
    std::fputs("prints the jump from 248 to 214, found among 810 positions (the time varies):\n"
               "  248 214 810 615\n",
               stdout);
}

int usageerror(const char *problem, const char *what = "")
{
    std::fprintf(stderr, "chinesecheckers-cli best: %s%s\n%s"
                         "Run 'chinesecheckers-cli best --help' for more.\n",
                 problem, what, synopsis);
    return 2;
}

// Reads a whole decimal number that fills text; the reason when it fails.
const char *parseint(const char *text, int &value)
{
    const char *end = text + std::strlen(text);
    const auto [rest, error] = std::from_chars(text, end, value);
    if (error == std::errc::result_out_of_range)
        return " is out of range: ";
    if (error != std::errc() || rest != end)
        return " wants a whole number, not ";
    return nullptr;
}

} // namespace

int runbest(int argc, char **argv)
{
    int heuristicsetting = 0, searchplies = 0;
    bool haveheuristic = false, haveplies = false;
    bool optimise = true, sort = true, bestfirst = true;

    for (int k = 0; k < argc; ++k) {
        const char *arg = argv[k];
        if (!std::strcmp(arg, "--help") || !std::strcmp(arg, "-h")) {
            printhelp();
            return 0;
        }
        if (!std::strcmp(arg, "--heuristic") || !std::strcmp(arg, "--plies")) {
            const bool isheuristic = arg[2] == 'h';
            if (k + 1 == argc)
                return usageerror("missing value after ", arg);
            int &value = isheuristic ? heuristicsetting : searchplies;
            if (const char *reason = parseint(argv[++k], value))
                return usageerror((std::string(arg) + reason).c_str(), argv[k]);
            if (isheuristic && (value < 1 || value > 4))
                return usageerror("--heuristic must be 1 to 4, not ", argv[k]);
            (isheuristic ? haveheuristic : haveplies) = true;
        } else if (!std::strcmp(arg, "--no-optmovegen")) {
            optimise = false;
        } else if (!std::strcmp(arg, "--no-sortmoves")) {
            sort = false;
        } else if (!std::strcmp(arg, "--no-bestmovefirst")) {
            bestfirst = false;
        } else {
            return usageerror("unknown option ", arg);
        }
    }
    if (!haveheuristic)
        return usageerror("--heuristic K is required");
    if (!haveplies)
        return usageerror("--plies P is required");

    curplies = searchplies;
    curoptmovegen = optimise;
    cursortmoves = sort;
    curbestmovefirst = bestfirst;

    bool badinput = false;
    std::string line;
    for (long lineno = 1; std::getline(std::cin, line); ++lineno) {
        position pos;
        std::string error;
        if (!parseposition(line, pos, error)) {
            std::fprintf(stderr, "chinesecheckers-cli best: line %ld: %s\n", lineno, error.c_str());
            badinput = true;
            continue;
        }
        copyboard(pos.board, cells);
        int from = -1, to = -1;
        const auto start = std::chrono::steady_clock::now();
        if (!choosemove(pos.side, heuristicsetting, randomgen, from, to))
            from = to = -1;
        const auto micros =
            std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
        std::printf("%d %d %d %lld\n", from, to, nodes, static_cast<long long>(micros.count()));
        std::fflush(stdout);
    }
    return badinput ? 2 : 0;
}

#include <cstdio>
#include <cstring>

#include "cli.h"

namespace {

const char usage[] =
    "usage: chinesecheckers-cli COMMAND [OPTIONS]\n"
    "\n"
    "Commands:\n"
    "  best    the computer's move for positions read from standard input\n"
    "  match   games between two computer players\n"
    "  bench   speed of the search on built-in positions\n"
    "\n"
    "Run 'chinesecheckers-cli COMMAND --help' for the options of a command.\n";

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fputs(usage, stderr);
        return 2;
    }
    const char *command = argv[1];
    if (!std::strcmp(command, "--help") || !std::strcmp(command, "-h") || !std::strcmp(command, "help")) {
        std::fputs(usage, stdout);
        return 0;
    }
    if (!std::strcmp(command, "best"))
        return runbest(argc - 2, argv + 2);
    if (!std::strcmp(command, "match"))
        return runmatch(argc - 2, argv + 2);
    if (!std::strcmp(command, "bench"))
        return runbench(argc - 2, argv + 2);
    std::fprintf(stderr, "chinesecheckers-cli: unknown command '%s'\n\n%s", command, usage);
    return 2;
}

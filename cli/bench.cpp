#include <cstdio>

#include "cli.h"

int runbench(int, char **)
{
    std::fputs("chinesecheckers-cli: 'bench' is not built yet\n", stderr);
    return 2;
}

#include <cstdio>

#include "cli.h"

int runmatch(int, char **)
{
    std::fputs("chinesecheckers-cli: 'match' is not built yet\n", stderr);
    return 2;
}

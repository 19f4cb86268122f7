// Subcommands of chinesecheckers-cli. Each takes the arguments after its own
// name and returns the process's exit status (0 fine, 2 bad usage or input).
#pragma once

int runbest(int argc, char **argv);
int runmatch(int argc, char **argv);
int runbench(int argc, char **argv);

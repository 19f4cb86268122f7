// Where game routines reach the window. The desktop program installs these;
// without them the game runs headless (no blink, statistics not shown, error
// boxes written to stderr and answered OK).
#pragma once

struct gamehooks {
    // initboard: stop the move blink.
    void (*stopblink)() = nullptr;
    // msgbox: show a modal box (caption "cc", OK and Cancel); return 1 or 2.
    int (*messagebox)(const char *text) = nullptr;
    // computermove: blink movefrom and moveto; return when the blink has ended.
    void (*blinkmove)() = nullptr;
    // computermove: show the mover's statistics.
    void (*showstats)(char side, int nodes, int totalnodes, int movecount, int movetime,
                      int totaltime) = nullptr;
};

extern gamehooks hooks;

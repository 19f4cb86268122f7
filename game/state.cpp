#include "state.h"

int currentplayer;
char humanpiece;
char computerpiece;
int selectedcell = -1;
int fromcell = -1;
bool acceptclicks;
bool pieceselected;
bool humanmoved;
bool gameinprogress;
bool paused;

int playertype[2] = {0, 1};
int heuristic[2] = {3, 3};
int plies[2] = {3, 3};
bool optmovegen[2] = {true, true};
bool sortmoves[2] = {true, true};
bool bestmovefirst[2] = {true, true};
int blinks = 1;

const char heurnames[5][50] = {"Random", "Vertical", "VH", "VHSplit", "VHSBack"};

void resetstate()
{
    currentplayer = 0;
    humanpiece = 0;
    computerpiece = 0;
    selectedcell = -1;
    fromcell = -1;
    acceptclicks = pieceselected = humanmoved = gameinprogress = paused = false;
    for (int p = 0; p < 2; ++p) {
        playertype[p] = p;
        heuristic[p] = 3;
        plies[p] = 3;
        optmovegen[p] = sortmoves[p] = bestmovefirst[p] = true;
    }
    blinks = 1;
}

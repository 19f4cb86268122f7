// Turn state and per-player settings: plain globals shared by the turn
// controller, the human move input, the painter and the driver.
#pragma once

// Turn state.
extern int currentplayer;   // 0 Player 1 ('o'), 1 Player 2 ('r')
extern char humanpiece;     // letter of the side whose human turn is open; 0 for none
extern char computerpiece;  // letter of the side the computer is moving; 0 for none
extern int selectedcell;    // position of the last accepted click, -1 for none
extern int fromcell;        // cell of the picked-up piece, -1 for none
extern bool acceptclicks;
extern bool pieceselected;
extern bool humanmoved;
extern bool gameinprogress;
extern bool paused;

// Settings, index 0 Player 1, 1 Player 2.
extern int playertype[2];       // 0 human, 1 computer
extern int heuristic[2];        // 0 "H1 : Random" .. 4 "H5 : H4 + Back Moves"
extern int plies[2];
extern bool optmovegen[2];
extern bool sortmoves[2];
extern bool bestmovefirst[2];
extern int blinks;              // shared by both players

extern const char heurnames[5][50];

// Puts every variable above back to its value at program start.
void resetstate();

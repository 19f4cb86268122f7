#include "comment.h"

#include <algorithm>

#include "state.h"
#include "widgets.h"

Tcommentarydlg *commentarydlg = nullptr;

Tcommentarydlg::Tcommentarydlg(QWidget *parent) : QWidget(parent)
{
    commentarydlg = this;
    setupUi(this);
    setWindowFlags(Qt::Tool);
    setpixelheight(this, 11);
    for (QLabel *label : {win1label, win2label, gameinprogresslabel}) {
        setpixelheight(label, 48);
        // At 48 pixels "Player 1 wins !" wraps to three lines: let the label
        // grow downwards so the whole text shows, keeping its designed width.
        label->resize(label->width(), std::max(label->height(), label->heightForWidth(label->width())));
        label->hide();
    }
    autosizelabels(this);
}

Tcommentarydlg::~Tcommentarydlg()
{
    if (commentarydlg == this)
        commentarydlg = nullptr;
}

void Tcommentarydlg::showplayers()
{
    QLabel *const playerlabel[2] = {player1label, player2label};
    QLabel *const heuristiclabel[2] = {heuristic1label, heuristic2label};
    QLabel *const optlabel[2] = {optmovegen1label, optmovegen2label};
    QLabel *const pliesl[2] = {plies1label, plies2label};
    QLabel *const modelabel[2] = {selection1, selection2};
    for (int p = 0; p < 2; p++) {
        if (playertype[p] != 1) {
            setcaption(playerlabel[p], QString::asprintf("Player %d is human", p + 1));
            continue;
        }
        setcaption(playerlabel[p], QString::asprintf("Player %d is computer", p + 1));
        setcaption(heuristiclabel[p], QString::asprintf("Heur : %s", heurnames[heuristic[p]]));
        setcaption(optlabel[p], optmovegen[p] ? "Optimization : Yes" : "Optimization : No");
        setcaption(pliesl[p], QString::asprintf("Plies : %d", plies[p]));
        setcaption(modelabel[p], sortmoves[p]       ? "Mode : Sort"
                                 : bestmovefirst[p] ? "Mode : Best"
                                                    : "Mode : None");
    }
}

void Tcommentarydlg::showstats(char side, int nodes, int totalnodes, int movecount,
                               int movetime, int totaltime)
{
    const bool one = side == 'o';
    setcaption(one ? noofnodes1label : noofnodes2label, QString::asprintf("Nodes : %d", nodes));
    setcaption(one ? totalnodes1 : totalnodes2,
               QString::asprintf("Total Nodes : %d", totalnodes));
    setcaption(one ? average1 : average2,
               QString::asprintf("Average Nodes : %d", totalnodes / movecount));
    setcaption(one ? time1 : time2, QString::asprintf("Time : %d", movetime));
    setcaption(one ? totaltime1 : totaltime2, QString::asprintf("Total Time : %d", totaltime));
    setcaption(one ? averagetime1 : averagetime2,
               QString::asprintf("Average Time : %d", totaltime / movecount));
}

void Tcommentarydlg::showresult(gameresult result)
{
    gameinprogresslabel->setVisible(result == gameresult::inprogress);
    win2label->setVisible(result == gameresult::player2won);
    win1label->setVisible(result == gameresult::player1won);
}

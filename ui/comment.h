// The commentary window: describes both players at Start, shows each side's
// search statistics after its computer moves, and the result of the game.
#pragma once

#include <QWidget>

#include "ui_comment.h"

enum class gameresult { inprogress, player1won, player2won };

class Tcommentarydlg : public QWidget, public Ui::Tcommentarydlg {
    Q_OBJECT
public:
    explicit Tcommentarydlg(QWidget *parent = nullptr);
    ~Tcommentarydlg() override;

    void showplayers();
    void showstats(char side, int nodes, int totalnodes, int movecount, int movetime,
                   int totaltime);
    void showresult(gameresult result);
};

extern Tcommentarydlg *commentarydlg;

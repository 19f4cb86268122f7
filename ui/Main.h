// The main window: the board, the turn controller, human move input, the
// blink of a computer move, and the buttons that open everything else.
#pragma once

#include <QWidget>

#include "ui_Main.h"

class QTimer;

// Ticks done in the current blink of a computer move.
extern int blinkcount;

class Tcc : public QWidget, public Ui::Tcc {
    Q_OBJECT
public:
    explicit Tcc(QWidget *parent = nullptr);
    ~Tcc() override;

    QTimer *gametimer;  // 40 ms: one tick of the turn controller
    QTimer *blinktimer; // 200 ms: one tick of the move blink

    // Draws cells and the ring around selectedcell onto the board image.
    void paintboard();

    // Blinks movefrom and moveto; returns when the blink is over.
    void blinkmove();

public slots:
    void boardMouseDown(int x, int y);
    void gametimerTimer();
    void blinktimerTimer();
    void btnConfigureClick();
    void startbtnClick();
    void pausebtnClick();
    void commentarybtnClick();
    void aboutbtnClick();
    void btn_helpClick();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void newgame();
    bool playcomputerturn(int player);
    void endhumanturn();
    void setstatus(const QString &text);
    void setgamestate(const QString &text);

    // A Start or a close that arrived while a computer move was under way,
    // carried out once computermove has returned.
    bool incomputerturn = false;
    bool startpending = false;
    bool closing = false;
};

extern Tcc *cc;

// The application's name and icon, and the four windows in their order.
void setupapplication();
void createwindows();
void destroywindows();

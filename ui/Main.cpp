#include "Main.h"

#include <algorithm>

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QTimer>
#include <QUrl>

#include "about.h"
#include "board.h"
#include "comment.h"
#include "config.h"
#include "driver.h"
#include "hooks.h"
#include "rules.h"
#include "search.h"
#include "state.h"
#include "widgets.h"

Tcc *cc = nullptr;
int blinkcount = 0;

namespace {

QColor cellcolour(char letter)
{
    switch (letter) {
    case 'o':
        return QColor(0, 128, 0);
    case 'r':
        return QColor(255, 0, 0);
    case 'c':
    case 'm':
        return QColor(192, 192, 192);
    default:
        return Qt::white;
    }
}

// The board's shapes are given as ellipses inside the rectangle from (x1, y1)
// to (x2, y2) with the right and bottom edge left out, so they cover the pixels
// x1..x2-1 and y1..y2-1. QPainter::drawEllipse(QRect) with a one-pixel pen
// covers the pixels x..x+width inclusive, one more than the rectangle's
// width: the same shape is the QRect at (x1, y1) of size (x2-x1-1, y2-y1-1).
void ellipse(QPainter &painter, int x1, int y1, int x2, int y2)
{
    painter.drawEllipse(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

// The outline of a cell's disc: 16 pixels across, centred on its box.
void ring(QPainter &painter, int index)
{
    int x, y;
    cellxy(index, x, y);
    ellipse(painter, x - 2, y - 2, x + 14, y + 14);
}

void clearmarks()
{
    std::replace(cells, cells + boardsize, 'm', 'c');
}

char letterof(int player)
{
    return player == 0 ? 'o' : 'r';
}

int messagebox(const char *text)
{
    // The search of an abandoned move runs to its end; its boxes are not shown.
    if (cancelmove)
        return 1;
    QMessageBox box(QMessageBox::NoIcon, "cc", QString::fromLocal8Bit(text),
                    QMessageBox::Ok | QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok ? 1 : 2;
}

} // namespace

Tcc::Tcc(QWidget *parent) : QWidget(parent)
{
    cc = this;
    setupUi(this);
    setpixelheight(this, 11);
    setpixelheight(Label1, 16);
    setpixelheight(Label2, 16);
    autosizelabels(this);

    gametimer = new QTimer(this);
    gametimer->setInterval(40);
    blinktimer = new QTimer(this);
    blinktimer->setInterval(200);

    connect(board, &TBoardImage::mousedown, this, &Tcc::boardMouseDown);
    connect(gametimer, &QTimer::timeout, this, &Tcc::gametimerTimer);
    connect(blinktimer, &QTimer::timeout, this, &Tcc::blinktimerTimer);
    connect(btnConfigure, &QPushButton::clicked, this, &Tcc::btnConfigureClick);
    connect(startbtn, &QPushButton::clicked, this, &Tcc::startbtnClick);
    connect(pausebtn, &QPushButton::clicked, this, &Tcc::pausebtnClick);
    connect(commentarybtn, &QPushButton::clicked, this, &Tcc::commentarybtnClick);
    connect(aboutbtn, &QPushButton::clicked, this, &Tcc::aboutbtnClick);
    connect(btn_help, &QPushButton::clicked, this, &Tcc::btn_helpClick);

    hooks.stopblink = [] { cc->blinktimer->stop(); };
    hooks.messagebox = messagebox;
    hooks.blinkmove = [] { cc->blinkmove(); };
    hooks.showstats = [](char side, int nodes, int totalnodes, int movecount, int movetime,
                         int totaltime) {
        commentarydlg->showstats(side, nodes, totalnodes, movecount, movetime, totaltime);
    };

    initboard();
    move(0, 0);
}

Tcc::~Tcc()
{
    hooks = gamehooks{};
    if (cc == this)
        cc = nullptr;
}

void Tcc::setstatus(const QString &text)
{
    setcaption(statuslabel, text);
}

void Tcc::setgamestate(const QString &text)
{
    setcaption(gameinprogresslabel, text);
}

void Tcc::paintboard()
{
    QPainter painter(&board->picture);
    painter.setPen(QPen(Qt::white, 1));
    for (int i = 0; i < boardsize; i++) {
        int x, y;
        cellxy(i, x, y);
        painter.setBrush(cellcolour(cells[i]));
        ellipse(painter, x - 2, y - 2, x + 14, y + 14);
        if (cells[i] == 'm') {
            painter.setBrush(Qt::white);
            ellipse(painter, x + 2, y + 2, x + 10, y + 10);
        }
    }
    if (selectedcell >= 0) {
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::NoBrush);
        ring(painter, selectedcell);
    }
    board->update();
}

void Tcc::boardMouseDown(int x, int y)
{
    if (!acceptclicks)
        return;
    selectedcell = -1;
    for (int i = 0; i < boardsize; i++) {
        int bx, by;
        cellxy(i, bx, by);
        if (bx < x && x < bx + 12 && by < y && y < by + 12) {
            selectedcell = i;
            break;
        }
    }
    if (selectedcell < 0)
        return;
    const int hit = selectedcell;
    if (pieceselected) {
        if (cells[hit] == 'm') {
            clearmarks();
            cells[fromcell] = 'c';
            cells[hit] = humanpiece;
            pieceselected = false;
            setstatus(QString::asprintf("Player %d move over", currentplayer + 1));
            // The move is made: no further click counts until the next human turn.
            acceptclicks = false;
            paintboard();
            humanmoved = true;
            gametimer->start();
            return;
        }
        if (cells[hit] != humanpiece)
            return;
        pieceselected = false;
    }
    if (cells[hit] != humanpiece) {
        selectedcell = -1;
        return;
    }
    clearmarks();
    char map[boardsize];
    findmoves(hit, map);
    for (int i = 0; i < boardsize; i++)
        if (map[i] == 1)
            cells[i] = 'm';
    fromcell = hit;
    setstatus(QString::asprintf("Player %d Second Move", currentplayer + 1));
    pieceselected = true;
    paintboard();
}

void Tcc::gametimerTimer()
{
    QCoreApplication::processEvents();
    // What that dispatched may have ended the game, stopped its turns or
    // closed the window: then this tick has nothing left to do.
    if (closing || !gameinprogress || !gametimer->isActive())
        return;
    if (paused)
        return;
    const int player = currentplayer;
    if (humanmoved) {
        // A completed human move is handed over as that side's move, even if
        // the side has been made the computer since.
        acceptclicks = false;
        humanmoved = false;
    } else if (playertype[player] == 0) {
        acceptclicks = true;
        humanpiece = letterof(player);
        setstatus(QString::asprintf("Player %d First Move", player + 1));
        gametimer->stop();
        return;
    } else if (!playcomputerturn(player)) {
        return;
    }

    if (!gameover()) {
        currentplayer = currentplayer == 0 ? 1 : 0;
        return;
    }
    gametimer->stop();
    gameinprogress = false;
    setgamestate(player == 0 ? "Player 1 Wins !!" : "Player 2 wins !!");
    commentarydlg->showresult(player == 0 ? gameresult::player1won : gameresult::player2won);
}

// One computer turn inside a tick. False when the turn was abandoned (a Start
// or a close came in meanwhile) and the tick must stop here.
bool Tcc::playcomputerturn(int player)
{
    computerpiece = letterof(player);
    gametimer->stop();
    setstatus(QString::asprintf("Computer Player %d Thinking", player + 1));
    incomputerturn = true;
    QCoreApplication::processEvents();
    bool moved = false;
    if (!startpending && !closing) {
        curoptmovegen = optmovegen[player];
        curplies = plies[player];
        cursortmoves = sortmoves[player];
        curbestmovefirst = bestmovefirst[player];
        moved = computermove();
    }
    incomputerturn = false;
    if (closing)
        return false;
    if (startpending) {
        startpending = false;
        newgame();
        return false;
    }
    setstatus(QString::asprintf(moved ? "Computer Player %d Moved" : "Computer Player %d cannot move",
                                player + 1));
    humanmoved = false;
    paintboard();
    gametimer->start();
    return true;
}

void Tcc::blinkmove()
{
    if (cancelmove)
        return;
    // Each blink counts from 0, whatever an interrupted one left behind.
    blinkcount = 0;
    blinktimer->start();
    while (blinktimer->isActive())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void Tcc::blinktimerTimer()
{
    // A negative count blinks like 0, and a count lowered below what has been
    // shown already stops the blink instead of running it for ever.
    if (blinkcount / 2 >= std::max(blinks, 0)) {
        blinkcount = 0;
        blinktimer->stop();
        return;
    }
    QPainter painter(&board->picture);
    painter.setPen(QPen(blinkcount % 2 == 0 ? Qt::black : Qt::white, 1));
    painter.setBrush(Qt::NoBrush);
    ring(painter, movefrom);
    ring(painter, moveto);
    board->update();
    blinkcount++;
}

// Ends an open human turn: marks gone, no click taken until the next one.
void Tcc::endhumanturn()
{
    clearmarks();
    pieceselected = false;
    acceptclicks = false;
    humanmoved = false;
    humanpiece = 0;
    selectedcell = -1;
    fromcell = -1;
}

void Tcc::startbtnClick()
{
    if (incomputerturn) {
        // The move under way belongs to the abandoned game: cut it short and
        // start afresh once computermove has returned.
        startpending = true;
        cancelmove = true;
        blinktimer->stop();
        return;
    }
    newgame();
}

void Tcc::newgame()
{
    gametimer->stop();
    initboard();
    endhumanturn();
    paused = false;
    paintboard();
    gameinprogress = true;
    setgamestate("Game in Progress : Yes");
    commentarydlg->showresult(gameresult::inprogress);
    currentplayer = 0;
    nodes = 0;
    movetime = 0;
    for (int k = 0; k < 2; k++)
        movecount[k] = totalnodes[k] = totaltime[k] = 0;
    gametimer->start();
    commentarydlg->showplayers();
}

void Tcc::pausebtnClick()
{
    if (!gameinprogress)
        return;
    paused = !paused;
    setgamestate(paused ? "Game Paused" : "Game in Progress : Yes");
}

void Tcc::btnConfigureClick()
{
    ConfigDlg->loadsettings();
    if (ConfigDlg->exec() != 1)
        return;
    ConfigDlg->storesettings();
    // A side made the computer during its own human turn: the computer plays
    // that turn, and the board stops taking clicks.
    if (acceptclicks && playertype[currentplayer] == 1) {
        endhumanturn();
        paintboard();
        gametimer->start();
    }
}

void Tcc::commentarybtnClick()
{
    commentarydlg->setVisible(!commentarydlg->isVisible());
    const QRect frame = frameGeometry();
    commentarydlg->move(frame.x() + frame.width(), frame.y());
}

void Tcc::aboutbtnClick()
{
    AboutDlg->exec();
}

void Tcc::btn_helpClick()
{
    const QString page = QDir::current().absoluteFilePath("index.htm");
    if (QFileInfo::exists(page) && QDesktopServices::openUrl(QUrl::fromLocalFile(page)))
        return;
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(),
                    "Unable to open help file index.htm", QMessageBox::Ok);
    box.exec();
}

void Tcc::closeEvent(QCloseEvent *event)
{
    closing = true;
    gametimer->stop();
    blinktimer->stop();
    if (incomputerturn)
        cancelmove = true;
    // Boxes opened from inside a turn end with the program.
    while (QWidget *modal = QApplication::activeModalWidget()) {
        modal->close();
        if (modal->isVisible())
            break;
    }
    commentarydlg->hide();
    event->accept();
    QCoreApplication::quit();
}

// The logo and the icon are compiled in.
static void initresources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(resources);
        return true;
    }();
    (void)done;
}

void setupapplication()
{
    initresources();
    QApplication::setApplicationName("Chinese Checkers");
    QApplication::setDesktopFileName("chinesecheckers");
    QApplication::setWindowIcon(QIcon(":/icon.png"));
}

void createwindows()
{
    initresources();
    new Tcc;
    new TConfigDlg;
    new Tcommentarydlg;
    new TAboutDlg;
}

void destroywindows()
{
    delete AboutDlg;
    delete commentarydlg;
    delete ConfigDlg;
    delete cc;
}

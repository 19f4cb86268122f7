// What the game does where a click lands at an awkward moment: Start or a
// close during a computer move, Start during a human turn or a pause, a
// player switched to the computer during its turn, clicks after a completed
// move, blink counts that would never end, and a mover without a move.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "Main.h"
#include "board.h"
#include "comment.h"
#include "config.h"
#include "driver.h"
#include "guitest.h"
#include "search.h"
#include "state.h"

namespace {

// 10 "o" with 129 moves (backward moves counted): the search of Player 1
// overflows at its root.
const char overflowboard[] =
    "0000c000000000000"
    "0000cc00000000000"
    "0000ccc0000000000"
    "0000cocc000000000"
    "ccccooccccccc0000"
    "0cccccocrcccc0000"
    "00cccrcrcoccc0000"
    "000rcccrccccc0000"
    "0000cocrcrocc0000"
    "0000cocrcrcccc000"
    "0000ccococccccc00"
    "0000ccccccrccccc0"
    "0000ccccccccccccc"
    "000000000cccc0000"
    "0000000000ccc0000"
    "00000000000cc0000"
    "000000000000c0000";
static_assert(sizeof overflowboard == boardsize + 1);

// Player 1 has no move that passes "Optimize Movegen": nine of its pieces
// fill its goal camp with one red piece at the tip, the tenth can only step
// back.
QString blockedboard()
{
    QString board = initialboard();
    board.replace('o', 'c').replace('r', 'c');
    for (int i : topcamp)
        board[i] = 'o';
    board[4] = 'r';
    board[68] = 'o';
    for (int i : {69, 70, 212, 213, 214, 215, 216, 230, 231})
        board[i] = 'r';
    return board;
}

// Runs action inside the event loop at the first dispatch that finds when()
// true. Each dispatch of the game handles the posted event once and posts it
// again, so it reaches the dispatches inside a tick too.
class atdispatch : public QObject {
public:
    atdispatch(std::function<bool()> when, std::function<void()> action)
        : when(std::move(when)), action(std::move(action))
    {
        post();
    }
    bool done = false;

protected:
    bool event(QEvent *e) override
    {
        if (e->type() != QEvent::User)
            return QObject::event(e);
        if (when()) {
            done = true;
            action();
        } else {
            post();
        }
        return true;
    }

private:
    void post() { QCoreApplication::postEvent(this, new QEvent(QEvent::User)); }
    std::function<bool()> when;
    std::function<void()> action;
};

// What each tick of blinktimer showed: "black" or "white" rings, or "stop".
// A blink that would go on past the limit is stopped by force and shows as
// "stuck", so that a fault fails the test instead of hanging it.
class blinkwatch : public QObject {
public:
    explicit blinkwatch(int limit = 12)
    {
        connect(cc->blinktimer, &QTimer::timeout, this, [this, limit] {
            if (!cc->blinktimer->isActive()) {
                seen << "stop";
            } else if (seen.size() >= limit) {
                seen << "stuck";
                cc->blinktimer->stop();
            } else {
                seen << (discoutline(moveto) == black ? "black" : "white");
            }
            if (onfirst && seen.size() == 1)
                onfirst();
        });
    }
    QStringList seen;
    std::function<void()> onfirst;
};

// Player 1 the computer at one ply, Player 2 a human; quick blinks.
void computerfirst()
{
    playertype[0] = 1;
    playertype[1] = 0;
    plies[0] = 1;
    cc->blinktimer->setInterval(2);
}

// Checks a fresh game whose first turn, Player 1's, is a human's.
void expectcleangame()
{
    QTRY_COMPARE(status(), QString("Player 1 First Move"));
    QCOMPARE(boardtext(), initialboard());
    QCOMPARE(currentplayer, 0);
    QCOMPARE(movecount[0] + movecount[1] + totalnodes[0] + totalnodes[1], 0);
    QCOMPARE(totaltime[0] + totaltime[1] + movetime + nodes, 0);
    QVERIFY(!cc->blinktimer->isActive());
    QVERIFY(gameinprogress);
}

// Configure: Player 1 becomes the computer, both players search one ply.
void player1tothecomputer()
{
    onmodal([](QWidget *) {
        ConfigDlg->player1->setCurrentIndex(1);
        ConfigDlg->plies1->setText("1");
        ConfigDlg->plies2->setText("1");
        ConfigDlg->OKBtn->click();
    });
    cc->btnConfigure->click();
}

// Two humans; the game paused during Player 1's turn, which then moves 230
// to 212.
void pausedhumanmove()
{
    playertype[1] = 0;
    cc->startbtn->click();
    QTRY_VERIFY(acceptclicks);
    cc->pausebtn->click();
    clickcell(230);
    clickcell(212);
}

// Runs the application's event loop as the program does, until something
// quits it; gives up with 99 after 20 s.
int runprogram()
{
    QTimer::singleShot(20000, cc, [] { QCoreApplication::exit(99); });
    return QApplication::exec();
}

void expectnomoreticks()
{
    tickcounter ticks;
    QTest::qWait(100); // long enough for a couple of ticks, were any to come
    QCOMPARE(ticks.count, 0);
}

} // namespace

class SoundTest : public QObject {
    Q_OBJECT
private slots:
    void init() { openwindows(); }
    void cleanup() { closewindows(); }

    // Start while the status reads "Thinking": no move is made on the new board.
    void startwhilethinking()
    {
        computerfirst();
        atdispatch start(
            [] {
                return status() == "Computer Player 1 Thinking" && !cc->blinktimer->isActive();
            },
            [] {
                playertype[0] = 0;
                cc->startbtn->click();
            });
        cc->startbtn->click();
        QTRY_VERIFY(start.done);
        expectcleangame();
    }

    // Start inside a "Movegen overflow" box: the search of the old position
    // ends, and nothing of it reaches the new game.
    void startinsidemovegenoverflowbox()
    {
        computerfirst();
        optmovegen[0] = false;
        int boxes = 0;
        onmodal([&boxes](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            QVERIFY(box);
            boxes++;
            QCOMPARE(box->text(), QString("Movegen overflow"));
            QCOMPARE(box->windowTitle(), QString("cc"));
            playertype[0] = 0;
            cc->startbtn->click();
            box->button(QMessageBox::Ok)->click();
        });
        cc->startbtn->click();
        setboard(overflowboard);
        QTRY_COMPARE(boxes, 1);
        expectcleangame();
    }

    // Start while the move blinks: the blink stops, nothing is counted, and
    // the new game begins with Player 1; the next blink is a whole one.
    void startwhileblinking()
    {
        computerfirst();
        blinkwatch watch;
        watch.onfirst = [] {
            playertype[0] = 0;
            cc->startbtn->click();
        };
        cc->startbtn->click();
        expectcleangame();
        QCOMPARE(watch.seen, QStringList({"black"}));
        QCOMPARE(commentarydlg->noofnodes1label->text(), QString("No. of nodes :"));

        // Player 1 the computer again: its blink starts from the beginning.
        watch.onfirst = nullptr;
        watch.seen.clear();
        playertype[0] = 1;
        cc->startbtn->click();
        QTRY_COMPARE(movecount[0], 1);
        QCOMPARE(watch.seen, QStringList({"black", "white", "stop"}));
    }

    // Start during Player 2's human turn: its clicks are not taken on the new
    // board before a human turn of the new game opens.
    void startendsanopenhumanturn()
    {
        playertype[1] = 0;
        cc->startbtn->click();
        QTRY_VERIFY(acceptclicks);
        clickcell(230);
        clickcell(212);
        QTRY_COMPARE(status(), QString("Player 2 First Move"));
        clickcell(55);
        QVERIFY(pieceselected);

        cc->startbtn->click();
        clickcell(56);
        QVERIFY(!pieceselected);
        QCOMPARE(selectedcell, -1);
        QCOMPARE(boardtext(), initialboard());
        QTRY_COMPARE(status(), QString("Player 1 First Move"));
        QCOMPARE(humanpiece, 'o');
    }

    // Start while paused: the new game is not paused.
    void startwhilepaused()
    {
        cc->startbtn->click();
        QTRY_VERIFY(acceptclicks);
        cc->pausebtn->click();
        QCOMPARE(cc->gameinprogresslabel->text(), QString("Game Paused"));
        cc->startbtn->click();
        QCOMPARE(cc->gameinprogresslabel->text(), QString("Game in Progress : Yes"));
        QVERIFY(!paused);
        // The first tick of the new game opens Player 1's turn and stops the timer.
        QTRY_VERIFY(!cc->gametimer->isActive());
        QVERIFY(acceptclicks);
        QCOMPARE(status(), QString("Player 1 First Move"));
    }

    // A close that the tick's own dispatch handles: the tick plays no turn.
    void tickafterthewindowclosed()
    {
        computerfirst();
        tickcounter ticks;
        atdispatch close([&ticks] { return ticks.count > 0; }, [] { cc->close(); });
        cc->startbtn->click();
        QTRY_VERIFY(close.done);
        QVERIFY(!cc->isVisible());
        QVERIFY(!cc->gametimer->isActive());
        QCOMPARE(movecount[0], 0);
        QCOMPARE(status(), QString("Turn : Player"));
        QCOMPARE(boardtext(), initialboard());
    }

    // Player 1 made the computer while its human turn waits, with a piece
    // picked up: the marks go, clicks are refused, the computer plays that
    // turn, and then Player 2 moves.
    void humanturnhandedtothecomputer()
    {
        cc->blinktimer->setInterval(2);
        cc->startbtn->click();
        QTRY_VERIFY(acceptclicks);
        clickcell(232);
        QVERIFY(pieceselected);
        player1tothecomputer();
        QCOMPARE(boardtext().count('m'), 0);
        QVERIFY(!acceptclicks && !pieceselected);
        clickcell(233);
        QVERIFY(!pieceselected);

        QTRY_COMPARE(movecount[1], 1);
        QCOMPARE(movecount[0], 1);
        QCOMPARE(cells[214], 'o'); // the computer's jump 248 to 214
        QCOMPARE(cells[232], 'o');
    }

    // A move completed before the switch is still that human's move: the
    // side does not move a second time as the computer.
    void completedmovestaysthehumans()
    {
        pausedhumanmove();
        player1tothecomputer();
        cc->pausebtn->click();
        QTRY_COMPARE(status(), QString("Player 2 First Move"));
        QCOMPARE(movecount[0], 0);
        QCOMPARE(cells[212], 'o');
        QCOMPARE(boardtext().count('o'), 10);
        QCOMPARE(cells[248], 'o');
    }

    // A completed move takes no further click, paused or not.
    void noclickafteracompletedmove()
    {
        pausedhumanmove();
        QCOMPARE(status(), QString("Player 1 move over"));
        const QString board = boardtext();
        clickcell(231);
        clickcell(213);
        QVERIFY(!pieceselected);
        QCOMPARE(boardtext(), board);

        cc->pausebtn->click();
        QTRY_COMPARE(status(), QString("Player 2 First Move"));
        clickcell(55);
        clickcell(72);
        QCOMPARE(cells[72], 'r');
        clickcell(56); // at once, before the tick that hands the move over
        QVERIFY(!pieceselected);
        QTRY_COMPARE(status(), QString("Player 1 First Move"));
    }

    void blinksthatwouldneverend_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("loweredto"); // -1: not lowered
        QTest::addColumn<QStringList>("seen");
        QTest::newRow("negative") << -1 << -1 << QStringList{"stop"};
        QTest::newRow("very negative") << INT_MIN << -1 << QStringList{"stop"};
        QTest::newRow("lowered mid-blink")
            << 3 << 1 << QStringList{"black", "white", "black", "stop"};
        QTest::newRow("lowered to 0") << 2 << 0 << QStringList{"black", "stop"};
    }

    void blinksthatwouldneverend()
    {
        QFETCH(int, count);
        QFETCH(int, loweredto);
        QFETCH(QStringList, seen);
        computerfirst();
        blinks = count;
        blinkwatch watch;
        if (loweredto >= 0)
            connect(cc->blinktimer, &QTimer::timeout, cc, [&watch, loweredto] {
                if (watch.seen.size() == loweredto * 2 + 1)
                    blinks = loweredto;
            });
        cc->startbtn->click();
        QTRY_COMPARE(movecount[0], 1);
        QCOMPARE(watch.seen, seen);
        QCOMPARE(blinkcount, 0);
    }

    // No move that passes the filters: the board stays as it was, nothing is
    // blinked or counted, the status says so and the turn passes.
    void moverwithoutamove()
    {
        computerfirst();
        const QString blocked = blockedboard();
        statuslog log;
        blinkwatch watch;
        cc->startbtn->click();
        setboard(qPrintable(blocked));
        QTRY_COMPARE(status(), QString("Player 2 First Move"));
        QCOMPARE(log.seen(), QStringList({"Turn : Player", "Computer Player 1 cannot move",
                                          "Player 2 First Move"}));
        QCOMPARE(boardtext(), blocked);
        QCOMPARE(movecount[0], 0);
        QVERIFY(watch.seen.isEmpty());
        QCOMPARE(currentplayer, 1);
        QVERIFY(gameinprogress);
    }

    // Closing while the move blinks: the program's event loop ends at once,
    // the move is not counted, and no further turn is played.
    void closewhileblinking()
    {
        computerfirst();
        blinkwatch watch;
        watch.onfirst = [] { cc->close(); };
        QTimer::singleShot(0, cc, [] { cc->startbtn->click(); });
        QCOMPARE(runprogram(), 0);
        QVERIFY(!cc->isVisible() && !commentarydlg->isVisible());
        QVERIFY(!cc->gametimer->isActive() && !cc->blinktimer->isActive());
        QCOMPARE(watch.seen, QStringList({"black"}));
        QCOMPARE(movecount[0], 0);
        expectnomoreticks();
    }

    // Closing inside a "Movegen overflow" box: the box goes with the window,
    // no other box of that search appears, the event loop ends once the
    // search is over, and no further turn is played.
    void closeinsidemovegenoverflowbox()
    {
        computerfirst();
        optmovegen[0] = false;
        plies[0] = 3; // overflowing positions below the root too
        int boxes = 0;
        bool boxstayed = false;
        std::function<void(QWidget *)> answer = [&](QWidget *modal) {
            if (++boxes == 1) {
                cc->close();
                boxstayed = modal->isVisible();
            }
            if (modal->isVisible())
                modal->close();
            onmodal(answer);
        };
        onmodal(answer);
        QTimer::singleShot(0, cc, [] {
            cc->startbtn->click();
            setboard(overflowboard);
        });
        QCOMPARE(runprogram(), 0);
        QVERIFY(!boxstayed);
        QCOMPARE(boxes, 1);
        QVERIFY(!cc->isVisible());
        QVERIFY(!cc->gametimer->isActive());
        QCOMPARE(movecount[0], 0);
        expectnomoreticks();
    }
};

QTEST_MAIN(SoundTest)
#include "test_sound.moc"

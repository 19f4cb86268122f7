// The turn controller with the computer player: computer moves with their
// blink and statistics, Pause, Start in mid-game, and a whole game between
// two computer players.
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "Main.h"
#include "board.h"
#include "comment.h"
#include "driver.h"
#include "guitest.h"
#include "state.h"

namespace {

QString gamestate()
{
    return cc->gameinprogresslabel->text();
}

} // namespace

class GameTest : public QObject {
    Q_OBJECT
private slots:
    void init() { openwindows(); }
    void cleanup() { closewindows(); }

    void computermoveshowsandcountsitself()
    {
        playertype[0] = 1;
        playertype[1] = 0;
        plies[0] = 1;
        cc->blinktimer->setInterval(5);
        statuslog log;
        cc->startbtn->click();
        QTRY_COMPARE(status(), QString("Player 2 First Move"));
        QCOMPARE(log.seen(), QStringList({"Turn : Player", "Computer Player 1 Thinking", "Computer Player 1 Moved",
                                         "Player 2 First Move"}));

        // Heuristic H4 at one ply from the initial position: the jump 248 to 214.
        QCOMPARE(cells[248], 'c');
        QCOMPARE(cells[214], 'o');
        QCOMPARE(discfill(214), green);
        QCOMPARE(discfill(248), silver);
        QCOMPARE(movecount[0], 1);
        QCOMPARE(totalnodes[0], 14);
        QCOMPARE(movecount[1], 0);
        const Tcommentarydlg *d = commentarydlg;
        QCOMPARE(d->noofnodes1label->text(), QString("Nodes : 14"));
        QCOMPARE(d->totalnodes1->text(), QString("Total Nodes : 14"));
        QCOMPARE(d->average1->text(), QString("Average Nodes : 14"));
        const QString ms = QString::number(movetime);
        QCOMPARE(d->time1->text(), "Time : " + ms);
        QCOMPARE(d->totaltime1->text(), "Total Time : " + ms);
        QCOMPARE(d->averagetime1->text(), "Average Time : " + ms);
        QCOMPARE(d->noofnodes2label->text(), QString("No. of Nodes:"));
    }

    void blinkringsblackthenwhite_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("0") << 0;
        QTest::newRow("1") << 1;
        QTest::newRow("3") << 3;
    }

    void blinkringsblackthenwhite()
    {
        QFETCH(int, count);
        playertype[0] = 1;
        playertype[1] = 0;
        plies[0] = 1;
        blinks = count;
        cc->blinktimer->setInterval(5);
        // Seen after each tick of the blink: the outlines of the two cells, and
        // their fill, which still shows the position before the move.
        QStringList seen;
        connect(cc->blinktimer, &QTimer::timeout, cc, [&seen] {
            if (!cc->blinktimer->isActive()) {
                seen << "stop";
                return;
            }
            QCOMPARE(discoutline(248), discoutline(214));
            QCOMPARE(discfill(248), green);
            QCOMPARE(discfill(214), silver);
            seen << (discoutline(214) == black ? "black" : "white");
        });
        cc->startbtn->click();
        QTRY_VERIFY(acceptclicks);
        QStringList want;
        for (int i = 0; i < count; i++)
            want << "black" << "white";
        want << "stop";
        QCOMPARE(seen, want);
        QCOMPARE(blinkcount, 0);
        QVERIFY(!cc->blinktimer->isActive());
    }

    void pauseholdsturnsbutnothumanclicks()
    {
        playertype[1] = 0;
        cc->pausebtn->click(); // before the first Start: nothing
        QCOMPARE(gamestate(), QString("Game in Progress : No"));
        QVERIFY(!paused);

        cc->startbtn->click();
        QTRY_COMPARE(status(), QString("Player 1 First Move"));
        cc->pausebtn->click();
        QCOMPARE(gamestate(), QString("Game Paused"));
        clickcell(230);
        clickcell(212);
        QCOMPARE(status(), QString("Player 1 move over"));
        tickcounter ticks;
        QTRY_VERIFY(ticks.count >= 3);
        QCOMPARE(currentplayer, 0);
        QVERIFY(humanmoved);

        cc->pausebtn->click();
        QCOMPARE(gamestate(), QString("Game in Progress : Yes"));
        QTRY_COMPARE(status(), QString("Player 2 First Move"));
    }

    void startinmidgame()
    {
        playertype[1] = 0;
        cc->startbtn->click();
        QTRY_VERIFY(acceptclicks);
        clickcell(231);
        clickcell(213);
        QTRY_COMPARE(status(), QString("Player 2 First Move"));
        clickcell(55);
        QCOMPARE(cells[72], 'm');

        cc->startbtn->click();
        QCOMPARE(boardtext().count('m'), 0);
        QCOMPARE(cells[213], 'c');
        QCOMPARE(cells[231], 'o');
        QCOMPARE(discfill(72), silver);
        QCOMPARE(discfill(231), green);
        QCOMPARE(currentplayer, 0);
        QTRY_COMPARE(status(), QString("Player 1 First Move"));
        QCOMPARE(humanpiece, 'o');
    }

    void computeragainstcomputertothewinner()
    {
        playertype[0] = playertype[1] = 1;
        heuristic[0] = heuristic[1] = 3; // H2 at one ply shuffles for ever
        plies[0] = plies[1] = 1;
        fasttimers();
        cc->startbtn->click();
        QTRY_VERIFY_WITH_TIMEOUT(!gameinprogress, 60000);

        const int winner = currentplayer;
        QVERIFY(!cc->gametimer->isActive());
        QCOMPARE(gamestate(), QString(winner == 0 ? "Player 1 Wins !!" : "Player 2 wins !!"));
        QCOMPARE(status(), QString("Computer Player %1 Moved").arg(winner + 1));
        QCOMPARE(commentarydlg->win1label->isVisibleTo(commentarydlg), winner == 0);
        QCOMPARE(commentarydlg->win2label->isVisibleTo(commentarydlg), winner == 1);
        QVERIFY(!commentarydlg->gameinprogresslabel->isVisibleTo(commentarydlg));
        const int *goal = winner == 0 ? topcamp : bottomcamp;
        for (int i = 0; i < 10; i++)
            QCOMPARE(cells[goal[i]], winner == 0 ? 'o' : 'r');
        QVERIFY(movecount[0] >= 10 && movecount[1] >= 10);

        // The board keeps the last position and takes no clicks; Pause does nothing.
        const QString board = boardtext();
        clickcell(winner == 0 ? 4 : 284);
        QCOMPARE(selectedcell, -1);
        cc->pausebtn->click();
        QVERIFY(!paused);
        QCOMPARE(boardtext(), board);
    }
};

QTEST_MAIN(GameTest)
#include "test_game.moc"

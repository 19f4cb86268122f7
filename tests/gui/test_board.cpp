// Board painting read back from the image's pixels, and the two-click human
// move through mouse presses on the board.
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "Main.h"
#include "board.h"
#include "guitest.h"
#include "state.h"

namespace {

bool incamp(const int (&camp)[10], int index)
{
    return std::find(std::begin(camp), std::end(camp), index) != std::end(camp);
}

// Starts a game whose first turn is Player 1's human turn, and waits for it.
void humanturn()
{
    cc->startbtn->click();
    QTRY_VERIFY(acceptclicks);
}

} // namespace

class BoardTest : public QObject {
    Q_OBJECT
private slots:
    void init() { openwindows(); }
    void cleanup() { closewindows(); }

    void startdrawsinitialposition()
    {
        cc->startbtn->click();
        for (int i = 0; i < boardsize; i++) {
            int x, y;
            cellxy(i, x, y);
            if (!instar(i))
                continue;
            const QRgb want = incamp(topcamp, i)      ? red
                              : incamp(bottomcamp, i) ? green
                                                      : silver;
            QCOMPARE(discfill(i), want);
            // The disc's white outline, 16 pixels across: x-2 to x+13.
            QCOMPARE(boardpixel(x - 2, y + 5), white);
            QCOMPARE(boardpixel(x + 13, y + 5), white);
            QCOMPARE(boardpixel(x - 1, y + 5), want);
            QCOMPARE(boardpixel(x + 12, y + 5), want);
        }
        // Nothing outside the star shows: the corners of the image stay white.
        QCOMPARE(boardpixel(40, 40), white);
        QCOMPARE(boardpixel(430, 430), white);
        QCOMPARE(boardpixel(94 - 40, 300), white);
    }

    void marksdotsandring()
    {
        humanturn();
        clickcell(232);
        QCOMPARE(status(), QString("Player 1 Second Move"));
        QCOMPARE(selectedcell, 232);
        for (int i : {214, 215}) {
            QCOMPARE(cells[i], 'm');
            int x, y;
            cellxy(i, x, y);
            QCOMPARE(boardpixel(x + 5, y + 5), white); // the dot: x+2 to x+9
            QCOMPARE(boardpixel(x + 2, y + 5), white);
            QCOMPARE(boardpixel(x + 9, y + 5), white);
            QCOMPARE(boardpixel(x + 1, y + 5), silver);
            QCOMPARE(boardpixel(x + 10, y + 5), silver);
        }
        QCOMPARE(discfill(213), silver);
        QCOMPARE(discoutline(232), black);
        QCOMPARE(discfill(232), green);

        // Another own piece: the marks and the ring move with it.
        clickcell(249);
        QCOMPARE(selectedcell, 249);
        QCOMPARE(cells[214], 'c');
        QCOMPARE(discfill(214), silver);
        QCOMPARE(discoutline(232), white);
        QCOMPARE(discoutline(249), black);
        QCOMPARE(cells[213], 'm');
        QCOMPARE(cells[215], 'm');
    }

    void ringgoeswhereverselectedcellpoints()
    {
        initboard();
        selectedcell = 144; // an empty hole
        cc->paintboard();
        QCOMPARE(discoutline(144), black);
        QCOMPARE(discfill(144), silver);
        selectedcell = -1;
        cc->paintboard();
        QCOMPARE(discoutline(144), white);
    }

    void twoclickmove()
    {
        humanturn();
        QCOMPARE(status(), QString("Player 1 First Move"));
        QVERIFY(!cc->gametimer->isActive());
        clickcell(233);
        clickcell(216);
        QCOMPARE(status(), QString("Player 1 move over"));
        QCOMPARE(cells[233], 'c');
        QCOMPARE(cells[216], 'o');
        QVERIFY(boardtext().count('m') == 0);
        QCOMPARE(discfill(216), green);
        QCOMPARE(discfill(233), silver);
        QCOMPARE(discoutline(216), black);
        QVERIFY(humanmoved);
        QVERIFY(cc->gametimer->isActive());
    }

    void clicksonboxborderslandnowhere()
    {
        humanturn();
        int x, y;
        cellxy(232, x, y);
        const QPoint borders[] = {{x, y + 5}, {x + 12, y + 5}, {x + 5, y}, {x + 5, y + 12}};
        for (QPoint at : borders) {
            selectedcell = 77;
            clickboard(at);
            QCOMPARE(selectedcell, -1);
            QVERIFY(!pieceselected);
        }
        // Just inside the corners of the box.
        clickboard({x + 1, y + 1});
        QVERIFY(pieceselected);
        clickcell(250);
        clickboard({x + 11, y + 11});
        QCOMPARE(fromcell, 232);
    }

    void clicksthatdonotfit()
    {
        humanturn();
        const QString before = boardtext();
        for (int cell : {4, 144}) { // an opponent's piece, an empty hole
            clickcell(cell);
            QCOMPARE(selectedcell, -1);
            QVERIFY(!pieceselected);
        }
        clickboard({20, 20}); // outside every box
        QCOMPARE(selectedcell, -1);
        QCOMPARE(boardtext(), before);

        // With a piece picked up, a click on an unmarked hole keeps the marks.
        clickcell(231);
        clickcell(144);
        QVERIFY(pieceselected);
        QCOMPARE(selectedcell, 144);
        QCOMPARE(cells[213], 'm');
        QCOMPARE(status(), QString("Player 1 Second Move"));
    }

    void clicksoutsideahumanturnchangenothing()
    {
        clickcell(232); // before the first Start
        QCOMPARE(selectedcell, -1);
        QVERIFY(!pieceselected);
        QCOMPARE(status(), QString("Turn : Player"));
    }

    void pieceswithoutdestinations()
    {
        humanturn();
        clickcell(284);
        QVERIFY(pieceselected);
        QCOMPARE(status(), QString("Player 1 Second Move"));
        QCOMPARE(boardtext().count('m'), 0);
        clickcell(144);
        QVERIFY(pieceselected);
        clickcell(232);
        QCOMPARE(fromcell, 232);
    }

    void jumpchaininoneclick()
    {
        humanturn();
        // Only the piece on 144 and the two it hops over, with Player 2's
        // pieces far away in the top camp.
        for (int i = 0; i < boardsize; i++)
            if (cells[i] == 'o')
                cells[i] = 'c';
        cells[144] = 'o';
        cells[127] = 'r';
        cells[93] = 'o';
        clickcell(144);
        for (int cell : {126, 143, 145, 161, 162, 110, 76})
            QCOMPARE(cells[cell], 'm');
        clickcell(76);
        QCOMPARE(cells[76], 'o');
        QCOMPARE(cells[144], 'c');
        QCOMPARE(cells[110], 'c');
        QCOMPARE(cells[127], 'r');
        QCOMPARE(cells[93], 'o');
    }

    void everymousebuttonactsalike()
    {
        humanturn();
        clickcell(230, 2);
        QVERIFY(pieceselected);
        clickcell(212, 3);
        QCOMPARE(cells[212], 'o');
    }

    void turnpassesaftertheclick()
    {
        playertype[1] = 0;
        humanturn();
        clickcell(230);
        clickcell(212);
        QTRY_COMPARE(status(), QString("Player 2 First Move"));
        QCOMPARE(humanpiece, 'r');
        clickcell(55);
        clickcell(72);
        QCOMPARE(cells[72], 'r');
        QTRY_COMPARE(status(), QString("Player 1 First Move"));
    }
};

QTEST_MAIN(BoardTest)
#include "test_board.moc"

// The four windows as the program opens them: layout, captions, fonts,
// colours, tab order, timers, and the logo.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "Main.h"
#include "about.h"
#include "comment.h"
#include "config.h"
#include "guitest.h"
#include "board.h"
#include "state.h"

namespace {

struct place {
    const char *name;
    int left, top, width, height; // width 0: a label, which sizes itself to its text
    const char *text;
};

void checkplaces(QWidget *form, std::initializer_list<place> places)
{
    for (const place &p : places) {
        QWidget *w = form->findChild<QWidget *>(p.name);
        QVERIFY2(w, p.name);
        QCOMPARE(w->pos(), QPoint(p.left, p.top));
        if (p.width)
            QCOMPARE(w->size(), QSize(p.width, p.height));
        if (!p.text)
            continue;
        if (auto *label = qobject_cast<QLabel *>(w)) {
            QCOMPARE(label->text(), QString(p.text));
            if (!p.width && !label->wordWrap())
                QCOMPARE(label->size(), label->sizeHint());
        } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
            QCOMPARE(button->text(), QString(p.text));
        } else if (auto *edit = qobject_cast<QLineEdit *>(w)) {
            QCOMPARE(edit->text(), QString(p.text));
        }
    }
}

// The widgets that take focus with Tab, in the order they take it, from the
// one that has the focus when the window opens.
QStringList taborder(QWidget *form)
{
    QWidget *const first = form->focusWidget() ? form->focusWidget() : form->nextInFocusChain();
    QStringList names;
    QWidget *w = first;
    do {
        if (w != form && (w->focusPolicy() & Qt::TabFocus))
            names << w->objectName();
        w = w->nextInFocusChain();
    } while (w != first);
    return names;
}

int pixelheight(QWidget *w)
{
    return w->font().pixelSize();
}

} // namespace

class WindowsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { openwindows(); }
    void cleanup() { closewindows(); }

    void applicationandmainwindow()
    {
        QCOMPARE(QApplication::applicationName(), QString("Chinese Checkers"));
        QVERIFY(!QApplication::windowIcon().isNull());
        QCOMPARE(cc->windowTitle(), QString("Chinese Checkers"));
        QCOMPARE(cc->frameGeometry().topLeft(), QPoint(0, 0));
        QCOMPARE(cc->palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(pixelheight(cc), 11);
        QVERIFY(cc->font().family().contains("Sans"));

        checkplaces(cc, {
            {"board", -40, 96, 465, 445, nullptr},
            {"statuslabel", 17, 56, 0, 0, "Turn : Player"},
            {"Image1", 353, 8, 221, 106, nullptr},
            {"gameinprogresslabel", 17, 72, 0, 0, "Game in Progress : No"},
            {"Label1", 80, 120, 0, 0, "Player 2"},
            {"Label2", 88, 464, 0, 0, "Player 1"},
            {"btnConfigure", 4, 8, 56, 25, "Configure"},
            {"startbtn", 64, 8, 49, 25, "Start"},
            {"pausebtn", 120, 8, 49, 25, "Pause"},
            {"commentarybtn", 176, 8, 75, 25, "Commentary"},
            {"btn_help", 259, 8, 75, 25, "Help"},
            {"aboutbtn", 368, 504, 75, 25, "About..."},
        });
        for (QLabel *label : {cc->Label1, cc->Label2}) {
            QCOMPARE(pixelheight(label), 16);
            QVERIFY(label->font().bold());
        }
        QCOMPARE(cc->Label1->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(cc->Label2->palette().color(QPalette::WindowText), QColor(0, 128, 0));
        QCOMPARE(taborder(cc), QStringList({"btnConfigure", "startbtn", "pausebtn",
                                            "commentarybtn", "aboutbtn", "btn_help"}));

        // The buttons lie above everything, the labels and the logo above the board.
        QWidget *const order[] = {cc->board, cc->statuslabel, cc->Image1,
                                  cc->gameinprogresslabel, cc->Label1, cc->Label2,
                                  cc->btnConfigure};
        const QObjectList children = cc->children();
        for (int i = 1; i < int(std::size(order)); i++)
            QVERIFY(children.indexOf(order[i - 1]) < children.indexOf(order[i]));
    }

    void startstate()
    {
        QCOMPARE(cc->gametimer->interval(), 40);
        QCOMPARE(cc->blinktimer->interval(), 200);
        QVERIFY(!cc->gametimer->isActive());
        QVERIFY(!cc->blinktimer->isActive());
        QVERIFY(!ConfigDlg->isVisible());
        QVERIFY(!commentarydlg->isVisible());
        QVERIFY(!AboutDlg->isVisible());
        QCOMPARE(currentplayer, 0);
        QCOMPARE(selectedcell, -1);
        QVERIFY(!acceptclicks && !pieceselected && !humanmoved && !gameinprogress && !paused);

        // The board holds the initial position but nothing is drawn yet, and a
        // repaint of the window draws nothing either.
        QCOMPARE(cells[4], 'r');
        QCOMPARE(cc->board->picture.size(), QSize(465, 445));
        QImage blank(465, 445, QImage::Format_RGB32);
        blank.fill(Qt::white);
        QCOMPARE(cc->board->picture, blank);
        cc->repaint();
        QCOMPARE(cc->board->picture, blank);
        QCOMPARE(cc->board->grab().toImage().convertToFormat(QImage::Format_RGB32), blank);
    }

    void logo()
    {
        QFile file(":/logo.bmp");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bmp = file.readAll();
        QCOMPARE(bmp.left(2), QByteArray("BM"));
        QCOMPARE(int(uchar(bmp[28])), 24); // bits per pixel
        const QImage logo = QImage::fromData(bmp);
        QCOMPARE(logo.size(), QSize(221, 106));
        QCOMPARE(logo.pixel(220, 105), QColor(Qt::white).rgb());
        QCOMPARE(cc->Image1->pixmap().size(), QSize(221, 106));
        QCOMPARE(AboutDlg->Image1->pixmap().size(), QSize(221, 106));
    }

    void configurationdialog()
    {
        QCOMPARE(ConfigDlg->windowTitle(), QString("Configuration"));
        QCOMPARE(ConfigDlg->size(), QSize(454, 351));
        QCOMPARE(pixelheight(ConfigDlg), 11);
        checkplaces(ConfigDlg, {
            {"Bevel1", 8, 8, 441, 289, nullptr},
            {"Label1", 25, 32, 0, 0, "Player 1"},
            {"player1", 78, 28, 145, 21, nullptr},
            {"Label2", 236, 32, 0, 0, "Player 2"},
            {"player2", 286, 28, 145, 21, nullptr},
            {"Label5", 26, 69, 0, 0, "Heuristic"},
            {"heuristic1", 78, 61, 145, 21, nullptr},
            {"Label4", 231, 67, 0, 0, "Heuristic"},
            {"heuristic2", 286, 61, 145, 21, nullptr},
            {"Label8", 166, 106, 0, 0, "Optimizations"},
            {"optmovegen1", 88, 136, 113, 17, "Optimize Movegen"},
            {"optmovegen2", 280, 136, 113, 17, "Optimize Movegen"},
            {"sortmoves1", 88, 160, 97, 17, "Sort Moves"},
            {"sortmoves2", 280, 160, 97, 17, "Sort Moves"},
            {"bestmovefirst1", 88, 184, 97, 17, "Best Move First"},
            {"bestmovefirst2", 280, 184, 97, 17, "Best Move First"},
            {"Label6", 82, 220, 0, 0, "Plies"},
            {"plies1", 120, 216, 41, 21, "3"},
            {"Label7", 282, 220, 0, 0, "Plies"},
            {"plies2", 320, 216, 41, 21, "3"},
            {"Label3", 312, 264, 0, 0, "No. of blinks"},
            {"noofblinks", 391, 260, 42, 21, "3"},
            {"OKBtn", 119, 308, 75, 25, "OK"},
            {"CancelBtn", 223, 308, 75, 25, "Cancel"},
        });
        QCOMPARE(pixelheight(ConfigDlg->Label8), 16);
        QVERIFY(ConfigDlg->Label8->font().bold());
        QCOMPARE(taborder(ConfigDlg),
                 QStringList({"OKBtn", "CancelBtn", "player1", "player2", "noofblinks",
                              "heuristic1", "heuristic2", "optmovegen1", "optmovegen2",
                              "plies1", "plies2", "sortmoves1", "sortmoves2",
                              "bestmovefirst1", "bestmovefirst2"}));
        QVERIFY(ConfigDlg->OKBtn->isDefault());

        const QStringList heuristics{"H1 : Random", "H2 : Vertical", "H3 : H2 + Horizontal",
                                     "H4 : H3 + Split", "H5 : H4 + Back Moves"};
        for (QComboBox *list : {ConfigDlg->heuristic1, ConfigDlg->heuristic2}) {
            QVERIFY(!list->isEditable());
            QStringList items;
            for (int i = 0; i < list->count(); i++)
                items << list->itemText(i);
            QCOMPARE(items, heuristics);
            QCOMPARE(list->toolTip(),
                     QString("Higher the heuristic , the better the computer will play."));
        }
        for (QComboBox *list : {ConfigDlg->player1, ConfigDlg->player2}) {
            QCOMPARE(list->count(), 2);
            QCOMPARE(list->itemText(0), QString("PLAYER"));
            QCOMPARE(list->itemText(1), QString("COMPUTER"));
        }
        QCOMPARE(ConfigDlg->player1->toolTip(), QString("Choose Player 1"));
        QCOMPARE(ConfigDlg->player2->toolTip(), QString("Choose Player 2"));
        const QString speed = "These options speed up the search process for a computer "
                              "player. It is recommended to switch them on.";
        QCOMPARE(ConfigDlg->optmovegen1->toolTip(), QString(speed).replace("player. It", "player.It"));
        for (QWidget *w : std::initializer_list<QWidget *>{
                 ConfigDlg->optmovegen2, ConfigDlg->sortmoves1, ConfigDlg->sortmoves2,
                 ConfigDlg->bestmovefirst1, ConfigDlg->bestmovefirst2})
            QCOMPARE(w->toolTip(), speed);
        QCOMPARE(ConfigDlg->plies1->toolTip(),
                 QString("This decides the depth of foresight. Higher depth takes more time."));
        QCOMPARE(ConfigDlg->plies2->toolTip(), ConfigDlg->plies1->toolTip());
        QCOMPARE(ConfigDlg->noofblinks->toolTip(),
                 QString("Number of blinks computer will make to indicate its next move "
                         "before moving."));
    }

    void commentarywindow()
    {
        QCOMPARE(commentarydlg->windowTitle(), QString("Commentary"));
        QVERIFY(commentarydlg->windowFlags() & Qt::Tool);
        QCOMPARE(commentarydlg->palette().color(QPalette::Window), QColor(Qt::white));
        checkplaces(commentarydlg, {
            {"player1label", 24, 8, 0, 0, "Player 1"},
            {"player2label", 168, 8, 0, 0, "Player 2"},
            {"heuristic1label", 24, 29, 0, 0, "Heuristic :"},
            {"heuristic2label", 168, 29, 0, 0, "Heuristic :"},
            {"optmovegen1label", 24, 48, 0, 0, "Movegenopt :"},
            {"optmovegen2label", 168, 48, 0, 0, "Movegenopt :"},
            {"selection1", 24, 67, 0, 0, "Mode :"},
            {"selection2", 168, 67, 0, 0, "Mode :"},
            {"plies1label", 24, 85, 0, 0, "Plies :"},
            {"plies2label", 168, 85, 0, 0, "Plies :"},
            {"noofnodes1label", 24, 101, 0, 0, "No. of nodes :"},
            {"noofnodes2label", 168, 102, 0, 0, "No. of Nodes:"},
            {"totalnodes1", 24, 122, 0, 0, "Total"},
            {"totalnodes2", 168, 124, 0, 0, "Total"},
            {"average1", 24, 140, 0, 0, "Average"},
            {"average2", 169, 142, 0, 0, "Average"},
            {"time1", 24, 160, 0, 0, "Time :"},
            {"time2", 168, 160, 0, 0, "Time :"},
            {"totaltime1", 24, 180, 0, 0, "Total Time :"},
            {"totaltime2", 168, 180, 0, 0, "Total Time :"},
            {"averagetime1", 24, 200, 0, 0, "Average Time:"},
            {"averagetime2", 168, 200, 0, 0, "Average Time:"},
            {"win1label", 73, 264, 0, 0, "Player 1 wins !"},
            {"win2label", 65, 320, 0, 0, "Player 2 wins !"},
            {"gameinprogresslabel", 49, 296, 200, 121, "Game in Progress"},
        });
        QVERIFY(commentarydlg->player1label->font().bold());
        QVERIFY(commentarydlg->player2label->font().bold());
        const std::pair<QLabel *, QColor> results[] = {
            {commentarydlg->win1label, QColor(0, 128, 0)},
            {commentarydlg->win2label, QColor(255, 0, 0)},
            {commentarydlg->gameinprogresslabel, QColor(0, 0, 255)}};
        for (const auto &[label, colour] : results) {
            QVERIFY(!label->isVisibleTo(commentarydlg));
            QCOMPARE(label->palette().color(QPalette::WindowText), colour);
            QCOMPARE(pixelheight(label), 48);
            QVERIFY(label->font().bold());
            QVERIFY(label->wordWrap());
            QCOMPARE(label->alignment(), Qt::AlignCenter);
        }
        // The winners' labels keep their designed width and grow downwards
        // from their designed height until the wrapped text fits.
        for (QLabel *label : {commentarydlg->win1label, commentarydlg->win2label}) {
            QCOMPARE(label->width(), 152);
            QVERIFY(label->height() >= 105);
            QVERIFY(label->height() >= label->heightForWidth(152));
        }
    }

    void aboutdialog()
    {
        QCOMPARE(AboutDlg->windowTitle(), QString("About"));
        QCOMPARE(AboutDlg->size(), QSize(337, 378));
        QCOMPARE(AboutDlg->palette().color(QPalette::Window), QColor(Qt::white));
        checkplaces(AboutDlg, {
            {"Image1", 56, 16, 221, 106, nullptr},
            {"Label1", 40, 144, 242, 145, nullptr},
            {"OKBtn", 135, 332, 75, 25, "OK"},
        });
        QVERIFY(AboutDlg->OKBtn->isDefault());
        QVERIFY(AboutDlg->Label1->wordWrap());
        QVERIFY(AboutDlg->Label1->font().bold());
        QCOMPARE(pixelheight(AboutDlg->Label1), 24);
        QVERIFY(AboutDlg->Label1->alignment() & Qt::AlignHCenter);
        QVERIFY(!AboutDlg->Label1->text().isEmpty());
    }
};

QTEST_MAIN(WindowsTest)
#include "test_windows.moc"

// The side windows: commentary texts and placement, Help, About.
#include <QAbstractButton>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "Main.h"
#include "about.h"
#include "comment.h"
#include "guitest.h"
#include "state.h"

// Stands in for the desktop's viewer of local files.
class Viewer : public QObject {
    Q_OBJECT
public:
    Viewer() { QDesktopServices::setUrlHandler("file", this, "open"); }
    ~Viewer() override { QDesktopServices::unsetUrlHandler("file"); }
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened << url; }
};

namespace {

QStringList column(int p)
{
    const Tcommentarydlg *d = commentarydlg;
    QList<QLabel *> labels =
        p == 0 ? QList<QLabel *>{d->player1label, d->heuristic1label, d->optmovegen1label,
                                 d->selection1, d->plies1label}
               : QList<QLabel *>{d->player2label, d->heuristic2label, d->optmovegen2label,
                                 d->selection2, d->plies2label};
    QStringList texts;
    for (QLabel *label : labels)
        texts << label->text();
    return texts;
}

QStringList stats(int p)
{
    const Tcommentarydlg *d = commentarydlg;
    QList<QLabel *> labels =
        p == 0 ? QList<QLabel *>{d->noofnodes1label, d->totalnodes1, d->average1, d->time1,
                                 d->totaltime1, d->averagetime1}
               : QList<QLabel *>{d->noofnodes2label, d->totalnodes2, d->average2, d->time2,
                                 d->totaltime2, d->averagetime2};
    QStringList texts;
    for (QLabel *label : labels)
        texts << label->text();
    return texts;
}

} // namespace

class SideTest : public QObject {
    Q_OBJECT
    QString startdir;
private slots:
    void initTestCase() { startdir = QDir::currentPath(); }
    void init() { openwindows(); }
    void cleanup()
    {
        closewindows();
        QDir::setCurrent(startdir);
    }

    void startdescribestheplayers()
    {
        cc->startbtn->click();
        QCOMPARE(column(0), QStringList({"Player 1 is human", "Heuristic :", "Movegenopt :",
                                         "Mode :", "Plies :"}));
        QCOMPARE(column(1), QStringList({"Player 2 is computer", "Heur : VHSplit",
                                         "Optimization : Yes", "Mode : Sort", "Plies : 3"}));
        QVERIFY(commentarydlg->gameinprogresslabel->isVisibleTo(commentarydlg));
        QVERIFY(!commentarydlg->win1label->isVisibleTo(commentarydlg));
        QVERIFY(!commentarydlg->win2label->isVisibleTo(commentarydlg));
        // The statistics keep their captions until a computer move.
        QCOMPARE(stats(0)[0], QString("No. of nodes :"));
        QCOMPARE(stats(1)[0], QString("No. of Nodes:"));
    }

    void modesandheuristicnames_data()
    {
        QTest::addColumn<int>("heur");
        QTest::addColumn<bool>("opt");
        QTest::addColumn<bool>("sort");
        QTest::addColumn<bool>("best");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("sort wins over best")
            << 0 << false << true << true
            << QStringList{"Player 1 is computer", "Heur : Random", "Optimization : No",
                           "Mode : Sort", "Plies : 5"};
        QTest::newRow("best") << 2 << true << false << true
                              << QStringList{"Player 1 is computer", "Heur : VH",
                                             "Optimization : Yes", "Mode : Best", "Plies : 5"};
        QTest::newRow("none") << 4 << true << false << false
                              << QStringList{"Player 1 is computer", "Heur : VHSBack",
                                             "Optimization : Yes", "Mode : None", "Plies : 5"};
    }

    void modesandheuristicnames()
    {
        QFETCH(int, heur);
        QFETCH(bool, opt);
        QFETCH(bool, sort);
        QFETCH(bool, best);
        QFETCH(QStringList, texts);
        playertype[0] = 1;
        heuristic[0] = heur;
        optmovegen[0] = opt;
        sortmoves[0] = sort;
        bestmovefirst[0] = best;
        plies[0] = 5;
        commentarydlg->showplayers();
        QCOMPARE(column(0), texts);
        for (QLabel *label : {commentarydlg->heuristic1label, commentarydlg->selection1})
            QCOMPARE(label->size(), label->sizeHint());

        // Made human again, the player keeps the texts of its computer days.
        playertype[0] = 0;
        commentarydlg->showplayers();
        texts[0] = "Player 1 is human";
        QCOMPARE(column(0), texts);
    }

    void statisticstexts()
    {
        commentarydlg->showstats('r', 4, 10, 3, 7, 20);
        QCOMPARE(stats(1), QStringList({"Nodes : 4", "Total Nodes : 10", "Average Nodes : 3",
                                        "Time : 7", "Total Time : 20", "Average Time : 6"}));
        QCOMPARE(stats(0)[1], QString("Total"));
        commentarydlg->showstats('o', -1, 0, 1, 0, 0);
        QCOMPARE(stats(0)[0], QString("Nodes : -1"));
        QCOMPARE(commentarydlg->noofnodes1label->size(),
                 commentarydlg->noofnodes1label->sizeHint());
    }

    void commentarybuttontogglesbesidethemainwindow()
    {
        cc->commentarybtn->click();
        QVERIFY(commentarydlg->isVisible());
        QTRY_COMPARE(commentarydlg->frameGeometry().topLeft(),
                     QPoint(cc->frameGeometry().right() + 1, cc->frameGeometry().top()));
        cc->commentarybtn->click();
        QVERIFY(!commentarydlg->isVisible());

        cc->move(100, 50);
        QTRY_COMPARE(cc->frameGeometry().topLeft(), QPoint(100, 50));
        cc->commentarybtn->click();
        QVERIFY(commentarydlg->isVisible());
        QTRY_COMPARE(commentarydlg->frameGeometry().topLeft(),
                     QPoint(cc->frameGeometry().right() + 1, 50));

        // Its own close box only hides it.
        commentarydlg->close();
        QVERIFY(!commentarydlg->isVisible());
        QVERIFY(commentarydlg != nullptr);
        cc->commentarybtn->click();
        QVERIFY(commentarydlg->isVisible());
    }

    void helpopensthepageintheworkingdirectory()
    {
        QTemporaryDir dir;
        QVERIFY(QFile::copy(CC_SOURCE_DIR "/resources/index.htm", dir.filePath("index.htm")));
        QDir::setCurrent(dir.path());
        Viewer viewer;
        bool boxshown = false;
        onmodal([&boxshown](QWidget *modal) {
            boxshown = true;
            modal->close();
        });
        cc->btn_help->click();
        QCOMPARE(viewer.opened, QList<QUrl>{QUrl::fromLocalFile(dir.filePath("index.htm"))});
        QTest::qWait(20);
        QVERIFY(!boxshown);
    }

    void helpwithoutthepagesaysso()
    {
        QTemporaryDir dir;
        QDir::setCurrent(dir.path());
        Viewer viewer;
        cc->startbtn->click();
        QTRY_VERIFY(acceptclicks);
        const QString board = boardtext();

        QString text, title;
        int buttons = 0;
        QMessageBox::Icon icon = QMessageBox::Warning;
        onmodal([&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            QVERIFY(box);
            text = box->text();
            title = box->windowTitle();
            buttons = box->buttons().size();
            icon = box->icon();
            box->button(QMessageBox::Ok)->click();
        });
        cc->btn_help->click();
        QCOMPARE(text, QString("Unable to open help file index.htm"));
        QCOMPARE(title, QString("Chinese Checkers"));
        QCOMPARE(buttons, 1);
        QCOMPARE(icon, QMessageBox::NoIcon);
        QVERIFY(viewer.opened.isEmpty());
        QVERIFY(acceptclicks);
        QCOMPARE(boardtext(), board);
    }

    void aboutclosesanyway_data()
    {
        QTest::addColumn<int>("way");
        QTest::addColumn<int>("result");
        QTest::newRow("OK") << 0 << 1;
        QTest::newRow("Enter") << 1 << 1;
        QTest::newRow("close box") << 2 << 2;
    }

    void aboutclosesanyway()
    {
        QFETCH(int, way);
        QFETCH(int, result);
        bool shown = false;
        onmodal([&](QWidget *modal) {
            shown = modal == AboutDlg && AboutDlg->Image1->isVisible() &&
                    !AboutDlg->Label1->text().isEmpty() && AboutDlg->OKBtn->isVisible();
            if (way == 0)
                QTest::mouseClick(AboutDlg->OKBtn, Qt::LeftButton);
            else if (way == 1)
                QTest::keyClick(modal, Qt::Key_Return);
            else
                modal->close();
        });
        cc->aboutbtn->click();
        QVERIFY(shown);
        QVERIFY(!AboutDlg->isVisible());
        QCOMPARE(AboutDlg->result(), result);
        QVERIFY(!gameinprogress);
    }
};

QTEST_MAIN(SideTest)
#include "test_side.moc"

// The configuration dialog through the Configure button: loading, OK,
// Cancel, Escape and the close box, and the conversion of the edits.
#include <climits>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "Main.h"
#include "config.h"
#include "guitest.h"
#include "state.h"

namespace {

// Opens the dialog with Configure, runs change on it, then ends it by close.
void configure(const std::function<void()> &change, const std::function<void(QWidget *)> &close)
{
    onmodal([change, close](QWidget *modal) {
        QCOMPARE(modal, static_cast<QWidget *>(ConfigDlg));
        change();
        close(modal);
    });
    cc->btnConfigure->click();
    QVERIFY(!ConfigDlg->isVisible());
}

void pressok(QWidget *)
{
    QTest::mouseClick(ConfigDlg->OKBtn, Qt::LeftButton);
}

void nochange() {}

} // namespace

class ConfigTest : public QObject {
    Q_OBJECT
private slots:
    void init() { openwindows(); }
    void cleanup() { closewindows(); }

    void opensloadedwiththesettings()
    {
        configure(
            [] {
                QCOMPARE(ConfigDlg->player1->currentText(), QString("PLAYER"));
                QCOMPARE(ConfigDlg->player2->currentText(), QString("COMPUTER"));
                QCOMPARE(ConfigDlg->heuristic1->currentText(), QString("H4 : H3 + Split"));
                QCOMPARE(ConfigDlg->heuristic2->currentText(), QString("H4 : H3 + Split"));
                for (QCheckBox *box : ConfigDlg->findChildren<QCheckBox *>())
                    QVERIFY(box->isChecked());
                for (QLineEdit *edit : ConfigDlg->findChildren<QLineEdit *>())
                    QCOMPARE(edit->text(), QString("3"));
            },
            pressok);
    }

    void okatonceonlystoresthethreeblinks()
    {
        QCOMPARE(blinks, 1);
        configure(nochange, pressok);
        QCOMPARE(ConfigDlg->result(), 1);
        QCOMPARE(blinks, 3);
        QCOMPARE(playertype[0], 0);
        QCOMPARE(playertype[1], 1);
        QCOMPARE(heuristic[0], 3);
        QCOMPARE(plies[0], 3);
        QVERIFY(optmovegen[0] && sortmoves[1] && bestmovefirst[0]);
    }

    void enterpressesok()
    {
        configure(nochange, [](QWidget *modal) { QTest::keyClick(modal, Qt::Key_Return); });
        QCOMPARE(ConfigDlg->result(), 1);
        QCOMPARE(blinks, 3);
    }

    void cancelescapeandclosebox_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("Cancel") << 0;
        QTest::newRow("Escape") << 1;
        QTest::newRow("close box") << 2;
    }

    void cancelescapeandclosebox()
    {
        QFETCH(int, way);
        configure(
            [] {
                ConfigDlg->plies1->setText("5");
                ConfigDlg->player1->setCurrentIndex(1);
                ConfigDlg->sortmoves2->setChecked(false);
            },
            [way](QWidget *modal) {
                if (way == 0)
                    QTest::mouseClick(ConfigDlg->CancelBtn, Qt::LeftButton);
                else if (way == 1)
                    QTest::keyClick(modal, Qt::Key_Escape);
                else
                    modal->close();
            });
        QCOMPARE(ConfigDlg->result(), 2);
        QCOMPARE(plies[0], 3);
        QCOMPARE(playertype[0], 0);
        QVERIFY(sortmoves[1]);
        QCOMPARE(blinks, 1);

        // The typed text stays for the next opening, and OK then stores it;
        // the lists and boxes are loaded afresh from the settings.
        configure(
            [] {
                QCOMPARE(ConfigDlg->plies1->text(), QString("5"));
                QCOMPARE(ConfigDlg->player1->currentIndex(), 0);
                QVERIFY(ConfigDlg->sortmoves2->isChecked());
            },
            pressok);
        QCOMPARE(plies[0], 5);
    }

    void okstoreseverycontrol()
    {
        configure(
            [] {
                ConfigDlg->player1->setCurrentIndex(1);
                ConfigDlg->player2->setCurrentIndex(0);
                ConfigDlg->heuristic1->setCurrentIndex(0);
                ConfigDlg->heuristic2->setCurrentIndex(4);
                ConfigDlg->optmovegen1->setChecked(false);
                ConfigDlg->sortmoves2->setChecked(false);
                ConfigDlg->bestmovefirst1->setChecked(false);
                ConfigDlg->plies1->setText("2");
                ConfigDlg->plies2->setText("5");
                ConfigDlg->noofblinks->setText("0");
            },
            pressok);
        QCOMPARE(playertype[0], 1);
        QCOMPARE(playertype[1], 0);
        QCOMPARE(heuristic[0], 0);
        QCOMPARE(heuristic[1], 4);
        QVERIFY(!optmovegen[0] && optmovegen[1]);
        QVERIFY(sortmoves[0] && !sortmoves[1]);
        QVERIFY(!bestmovefirst[0] && bestmovefirst[1]);
        QCOMPARE(plies[0], 2);
        QCOMPARE(plies[1], 5);
        QCOMPARE(blinks, 0);
    }

    void decimalvalues_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("digits") << "12" << 12;
        QTest::newRow("leading blanks") << "  12" << 12;
        QTest::newRow("trailing letters") << "12abc" << 12;
        QTest::newRow("minus") << "-12" << -12;
        QTest::newRow("plus") << "+12" << 12;
        QTest::newRow("letters") << "abc" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("sign alone") << "-" << 0;
        QTest::newRow("largest") << "2147483647" << INT_MAX;
        QTest::newRow("smallest") << "-2147483648" << INT_MIN;
        QTest::newRow("just above") << "2147483648" << INT_MAX;
        QTest::newRow("just below") << "-2147483649" << INT_MIN;
        QTest::newRow("far above") << "99999999999999999999999" << INT_MAX;
        QTest::newRow("far below") << "-99999999999999999999999" << INT_MIN;
    }

    // Through the dialog, as the blink count (which has no bound of its own).
    void decimalvalues()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        configure([text] { ConfigDlg->noofblinks->setText(text); }, pressok);
        QCOMPARE(blinks, value);
        QCOMPARE(ConfigDlg->noofblinks->text(), text);
    }

    void pliesabovethemaximumarestoredasthemaximum_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("1") << "1" << 1;
        QTest::newRow("0") << "0" << 0;
        QTest::newRow("maximum") << QString::number(maxplies) << maxplies;
        QTest::newRow("one more") << QString::number(maxplies + 1) << maxplies;
        QTest::newRow("huge") << "99999999999" << maxplies;
    }

    void pliesabovethemaximumarestoredasthemaximum()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        configure([text] { ConfigDlg->plies2->setText(text); }, pressok);
        QCOMPARE(plies[1], value);
    }

    // The help page tells the player the same maximum the dialog enforces.
    void helppagestatesthemaximum()
    {
        QFile page(CC_SOURCE_DIR "/resources/index.htm");
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(page.readAll()).simplified();
        const QString sentence = QString("The box accepts depths up to %1; a larger number is "
                                         "taken as %1")
                                     .arg(maxplies);
        QVERIFY2(text.contains(sentence), qPrintable(sentence));
    }
};

QTEST_MAIN(ConfigTest)
#include "test_config.moc"

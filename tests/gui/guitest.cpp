#include "guitest.h"

#include <cstring>

#include <QAbstractButton>
#include <QLabel>
#include <QApplication>
#include <QTest>
#include <QTimer>

#include "Main.h"
#include "board.h"
#include "state.h"

void openwindows()
{
    resetstate();
    setupapplication();
    createwindows();
    cc->show();
    if (!QTest::qWaitForWindowExposed(cc))
        qFatal("main window not exposed");
}

void closewindows()
{
    destroywindows();
}

void fasttimers()
{
    cc->gametimer->setInterval(1);
    cc->blinktimer->setInterval(1);
    blinks = 0;
}

QString status()
{
    return cc->statuslabel->text();
}

QPoint boxcentre(int index)
{
    int x, y;
    cellxy(index, x, y);
    return {x + 6, y + 6};
}

void clickboard(QPoint at, int button)
{
    const Qt::MouseButton b = button == 1   ? Qt::LeftButton
                              : button == 2 ? Qt::RightButton
                                            : Qt::MiddleButton;
    QTest::mouseClick(cc->board, b, Qt::NoModifier, at);
}

void clickcell(int index, int button)
{
    clickboard(boxcentre(index), button);
}

QRgb boardpixel(int x, int y)
{
    return cc->board->picture.pixel(x, y);
}

QRgb discfill(int index)
{
    int x, y;
    cellxy(index, x, y);
    return boardpixel(x + 5, y + 5);
}

QRgb discoutline(int index)
{
    int x, y;
    cellxy(index, x, y);
    return boardpixel(x + 5, y - 2);
}

void onmodal(std::function<void(QWidget *)> action)
{
    // Owned by the main window, so a box that never came does not outlive the test.
    auto *poll = new QTimer(cc);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, action] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            action(modal);
        }
    });
    poll->start(5);
}

void answermodal(const QString &button)
{
    onmodal([button](QWidget *modal) {
        for (QAbstractButton *b : modal->findChildren<QAbstractButton *>())
            if (b->text().remove('&') == button) {
                b->click();
                return;
            }
        qFatal("no button %s", qPrintable(button));
    });
}

QString boardtext()
{
    return QString::fromLatin1(cells, boardsize);
}

QString initialboard()
{
    QString board(boardsize, '0');
    for (int i = 0; i < boardsize; i++)
        if (instar(i))
            board[i] = 'c';
    for (int i = 0; i < 10; i++) {
        board[topcamp[i]] = 'r';
        board[bottomcamp[i]] = 'o';
    }
    return board;
}

void setboard(const char *letters)
{
    std::memcpy(cells, letters, boardsize);
}

statuslog::statuslog()
{
    cc->gametimer->installEventFilter(this);
    cc->blinktimer->installEventFilter(this);
}

void statuslog::sample()
{
    const QString text = cc->statuslabel->text();
    if (texts.isEmpty() || texts.last() != text)
        texts << text;
}

QStringList statuslog::seen()
{
    sample();
    return texts;
}

bool statuslog::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::Timer)
        sample();
    return false;
}

tickcounter::tickcounter()
{
    cc->gametimer->installEventFilter(this);
}

bool tickcounter::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::Timer)
        count++;
    return false;
}

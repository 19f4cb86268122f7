// Helpers for the GUI tests: fresh windows per test, clicks on board cells,
// pixels of the board image, and answers to modal boxes.
#pragma once

#include <functional>

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QString>
#include <QStringList>

class QWidget;

// The program's state at start-up: settings and turn state reset, the four
// windows created anew and the main window shown.
void openwindows();
void closewindows();

// Makes games run as fast as the event loop allows: both timers at 1 ms and
// no blinking.
void fasttimers();

// The main window's status text.
QString status();

// Centre of a cell's box, in board image pixels.
QPoint boxcentre(int index);
void clickboard(QPoint at, int button = 1);
void clickcell(int index, int button = 1);

// Pixels of the board image.
QRgb boardpixel(int x, int y);
QRgb discfill(int index);     // centre of the disc
QRgb discoutline(int index);  // top of the disc's outline

constexpr QRgb green = 0xff008000, red = 0xffff0000, silver = 0xffc0c0c0, white = 0xffffffff,
               black = 0xff000000;

// Runs action on the next modal widget as soon as one is open.
void onmodal(std::function<void(QWidget *)> action);
// Presses the button of the next modal box whose text is given.
void answermodal(const QString &button);

// The board as a string of 289 letters, and back.
QString boardtext();
QString initialboard(); // without touching cells
void setboard(const char *letters);

// The status texts in the order they were shown, sampled whenever one of the
// main window's timers fires (before its handler runs) and when asked.
class statuslog : public QObject {
public:
    statuslog();
    QStringList seen();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void sample();
    QStringList texts;
};

// Counts the ticks of gametimer from its creation.
class tickcounter : public QObject {
public:
    tickcounter();
    int count = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// Small pieces shared by the four windows: the board image widget and the
// way labels take their text and fonts.
#pragma once

#include <QImage>
#include <QWidget>

class QLabel;

// The board drawing surface: a 465 by 445 picture, white until something is
// drawn on it, shown at the widget's top-left corner. A press of any mouse
// button is reported in picture pixels.
class TBoardImage : public QWidget {
    Q_OBJECT
public:
    explicit TBoardImage(QWidget *parent = nullptr);

    QImage picture;

    QSize sizeHint() const override;

signals:
    void mousedown(int x, int y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
};

// Labels size themselves to their text.
void setcaption(QLabel *label, const QString &text);
void autosizelabels(QWidget *form);

// Character height in pixels, keeping the family and weight the layout gave.
void setpixelheight(QWidget *widget, int pixels);

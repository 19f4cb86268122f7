#include "widgets.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

TBoardImage::TBoardImage(QWidget *parent)
    : QWidget(parent), picture(465, 445, QImage::Format_RGB32)
{
    picture.fill(Qt::white);
}

QSize TBoardImage::sizeHint() const
{
    return picture.size();
}

void TBoardImage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, picture);
}

void TBoardImage::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    emit mousedown(at.x(), at.y());
}

void setcaption(QLabel *label, const QString &text)
{
    label->setText(text);
    if (!label->wordWrap())
        label->adjustSize();
}

void autosizelabels(QWidget *form)
{
    for (QLabel *label : form->findChildren<QLabel *>())
        if (label->pixmap().isNull() && !label->wordWrap())
            label->adjustSize();
}

void setpixelheight(QWidget *widget, int pixels)
{
    QFont font = widget->font();
    font.setPixelSize(pixels);
    widget->setFont(font);
}

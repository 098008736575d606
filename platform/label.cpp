#include "label.h"

#include <QMouseEvent>

Label::Label(QWidget *parent) : QLabel(parent)
{
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
}

void Label::setForeColor(Color color)
{
    QPalette colors = palette();
    colors.setColor(QPalette::WindowText, toQColor(color));
    setPalette(colors);
}

void Label::setBackColor(Color color)
{
    QPalette colors = palette();
    colors.setColor(QPalette::Window, toQColor(color));
    setPalette(colors);
    setAutoFillBackground(true);
}

void Label::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}

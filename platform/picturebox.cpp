#include "picturebox.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget *parent) : QWidget(parent), m_surface(*this)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setBackColor(Color color)
{
    m_surface.setBackColor(color);
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_surface.isBlank())
        painter.fillRect(rect(), toQColor(m_surface.backColor()));
    else
        painter.drawImage(0, 0, m_surface.image());
    m_surface.paintOverlay(painter);
}

void PictureBox::resizeEvent(QResizeEvent *)
{
    m_surface.fitToOwner();
    emit resized();
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    // A click is a press and a release of the left button on the box.
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked();
}

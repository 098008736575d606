#pragma once

// A picture box: a control that is a drawing surface. A window's client
// area is one as well, so that windows can be drawn on too.

#include "surface.h"

#include <QWidget>

class PictureBox : public QWidget
{
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent);

    Surface &surface() { return m_surface; }

    // The background colour; setting it clears the picture.
    void setBackColor(Color color);
    Color backColor() const { return m_surface.backColor(); }

signals:
    void clicked();
    void resized();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    Surface m_surface;
    bool m_pressed = false;
};

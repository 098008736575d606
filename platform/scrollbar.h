#pragma once

// A scroll bar whose Min may be larger than its Max: Min always stands at
// the top or left end. Change fires after a click on an arrow or in the
// track, when a dragged thumb is released, and when the program sets a new
// value; not while the thumb is being dragged.

#include <QScrollBar>

class ScrollBar : public QScrollBar
{
    Q_OBJECT
public:
    ScrollBar(Qt::Orientation orientation, QWidget *parent);

    void setRange(int min, int max);
    int min() const { return m_min; }
    int max() const { return m_max; }

    void setValue(int value);
    int value() const;

signals:
    void changed();

private:
    int m_min = 0;
    int m_max = 32767;
};

#pragma once

// A scroll bar whose Min may be larger than its Max: Min always stands at
// the top or left end. Change fires after a click on an arrow or in the
// track, when a dragged thumb is released, and when the program sets a new
// value; not while the thumb is being dragged. Whoever must follow the
// thumb as it is dragged listens to Scrolling instead.

#include <QScrollBar>
#include <optional>

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
    // While the thumb is dragged, the value where it stands, which the bar
    // takes when it is let go; nothing otherwise.
    std::optional<int> draggedValue() const;

signals:
    void changed();
    // The dragged thumb moved, or was let go.
    void scrolling();

private:
    int valueAt(int offset) const;

    int m_min = 0;
    int m_max = 32767;
};

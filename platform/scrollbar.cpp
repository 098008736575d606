#include "scrollbar.h"

#include <algorithm>
#include <cstdlib>

ScrollBar::ScrollBar(Qt::Orientation orientation, QWidget *parent) : QScrollBar(orientation, parent)
{
    setSingleStep(1);
    setPageStep(1);
    setTracking(false);
    setRange(0, 32767);
    connect(this, &QScrollBar::valueChanged, this, &ScrollBar::changed);
    connect(this, &QScrollBar::sliderMoved, this, &ScrollBar::scrolling);
    connect(this, &QScrollBar::sliderReleased, this, &ScrollBar::scrolling);
}

// The Qt bar runs from 0 at the Min end to |Max - Min| at the Max end.
void ScrollBar::setRange(int min, int max)
{
    m_min = min;
    m_max = max;
    QScrollBar::setRange(0, std::abs(max - min));
}

void ScrollBar::setValue(int value)
{
    const int clamped = std::clamp(value, std::min(m_min, m_max), std::max(m_min, m_max));
    QScrollBar::setValue(std::abs(clamped - m_min));
}

int ScrollBar::value() const
{
    return valueAt(QScrollBar::value());
}

std::optional<int> ScrollBar::draggedValue() const
{
    if (!isSliderDown())
        return std::nullopt;
    return valueAt(sliderPosition());
}

int ScrollBar::valueAt(int offset) const
{
    return m_min <= m_max ? m_min + offset : m_min - offset;
}

#pragma once

// Sizes and positions of windows and controls are designed in twips, 1440 to
// the inch, which makes 15 twips per pixel on a 96 dots-per-inch screen.

#include <QRect>

class QWidget;

inline constexpr int TwipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    return twips / TwipsPerPixel;
}

constexpr QRect twipsToPixels(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

// Places a control within its parent's client area.
void place(QWidget &control, int left, int top, int width, int height);

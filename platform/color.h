#pragma once

// Colours are 32-bit values 0x00BBGGRR: red in the low byte, then green,
// then blue, the top byte 0.

#include <QColor>
#include <cstdint>

using Color = std::uint32_t;

// Composes a colour from three channels; a channel above 255 counts as 255
// and one below 0 as 0.
Color RGB(int red, int green, int blue);

// The channels as the program splits a colour: red = c mod 256, green =
// (c div 256) mod 256, blue = c div 65536, which is 256 for 0x1000000, a
// colour the endless animation can make.
int redOf(Color color);
int greenOf(Color color);
int blueOf(Color color);

// Paper for drawings in the program's colours, which are dark: the
// system's background colour for documents where it is light (white on
// most desktops), and white where a dark theme makes it dark. A colour is
// dark when its grey value, with the channels weighted as the eye sees
// them (qGray), is below one half.
Color paperColor();
// Text on the background: the system's colour for text in windows where it
// stands out, one of the two being dark and the other light; otherwise
// black on a light background and white on a dark one.
Color textColorOn(Color background);

QColor toQColor(Color color);
Color fromQColor(const QColor &color);

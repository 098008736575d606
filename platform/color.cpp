#include "color.h"

#include <QGuiApplication>
#include <QPalette>

#include <algorithm>

Color RGB(int red, int green, int blue)
{
    const auto channel = [](int value) { return Color(std::clamp(value, 0, 255)); };
    return channel(red) | channel(green) << 8 | channel(blue) << 16;
}

int redOf(Color color)
{
    return int(color & 0xFF);
}

int greenOf(Color color)
{
    return int(color >> 8 & 0xFF);
}

int blueOf(Color color)
{
    return int(color >> 16);
}

QColor toQColor(Color color)
{
    return QColor(redOf(color), greenOf(color), std::min(blueOf(color), 255));
}

Color fromQColor(const QColor &color)
{
    return RGB(color.red(), color.green(), color.blue());
}

namespace {
bool isDark(Color color)
{
    return qGray(toQColor(color).rgb()) < 128;
}
} // namespace

Color paperColor()
{
    const Color system = fromQColor(QGuiApplication::palette().color(QPalette::Base));
    return isDark(system) ? RGB(255, 255, 255) : system;
}

Color textColorOn(Color background)
{
    const Color system = fromQColor(QGuiApplication::palette().color(QPalette::WindowText));
    if (isDark(system) != isDark(background))
        return system;
    return isDark(background) ? RGB(255, 255, 255) : RGB(0, 0, 0);
}

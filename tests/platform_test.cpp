#include "platform/color.h"
#include "platform/form.h"
#include "platform/numbers.h"
#include "platform/scrollbar.h"

#include <QLocale>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

// Min stands at the top; Change fires for the program's values and when a
// dragged thumb is released, not while it moves.
TEST(Platform, ScrollBarWithMinAtTheTop)
{
    ScrollBar bar(Qt::Vertical, nullptr);
    bar.setRange(250, 0);
    QSignalSpy changes(&bar, &ScrollBar::changed);
    bar.setValue(100);
    EXPECT_EQ(changes.count(), 1);
    bar.setSliderDown(true);
    bar.setSliderPosition(20);
    EXPECT_EQ(changes.count(), 1);
    bar.setSliderDown(false);
    EXPECT_EQ(changes.count(), 2);
    EXPECT_EQ(bar.value(), 230);
}

TEST(Platform, NumbersFromText)
{
    EXPECT_EQ(textToNumber("-100"), -100.0);
    EXPECT_EQ(textToNumber(" 45"), 45.0);
    EXPECT_EQ(textToNumber("2.5"), 2.5);
    EXPECT_FALSE(textToNumber(""));
    EXPECT_FALSE(textToNumber("north"));
    EXPECT_FALSE(textToNumber("inf"));
    EXPECT_FALSE(textToNumber("nan"));
    EXPECT_FALSE(textToNumber("1e400"));
    EXPECT_EQ(numberOr0("x"), 0.0);
    QLocale::setDefault(QLocale(QLocale::German));
    EXPECT_EQ(textToNumber("2,5"), 2.5);
    QLocale::setDefault(QLocale::c());
}

TEST(Platform, SurfaceDrawsInUserCoordinates)
{
    Form window("probe", "probe", 1500, 1500, BorderStyle::Sizable);
    window.show();
    Surface &surface = window.surface();
    surface.setBackColor(RGB(255, 255, 255));
    surface.setScale(-50, -50, 50, 50);
    EXPECT_EQ(surface.userToPixel(0, 0), QPointF(50, 50));
    surface.moveTo(-10, 0);
    surface.lineTo(10, 0, RGB(255, 0, 0));
    surface.lineTo(10, 10, RGB(0, 0, 255));
    EXPECT_EQ(surface.currentX(), 10.0f);
    const QImage &image = surface.image();
    EXPECT_EQ(fromQColor(image.pixelColor(45, 50)), RGB(255, 0, 0));
    EXPECT_EQ(fromQColor(image.pixelColor(60, 55)), RGB(0, 0, 255));
    EXPECT_EQ(fromQColor(image.pixelColor(45, 40)), RGB(255, 255, 255));
    surface.clear();
    EXPECT_EQ(surface.currentX(), 0.0f);
    EXPECT_EQ(fromQColor(surface.image().pixelColor(45, 50)), RGB(255, 255, 255));
}

} // namespace

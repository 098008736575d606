#include "platform/color.h"
#include "platform/form.h"
#include "platform/numbers.h"
#include "platform/progressdialog.h"
#include "platform/scrollbar.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QProgressDialog>
#include <QTest>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

// Min stands at the top; Change fires for the program's values and when a
// dragged thumb is released, not while it moves, while its value is known.
TEST(Platform, ScrollBarWithMinAtTheTop)
{
    ScrollBar bar(Qt::Vertical, nullptr);
    bar.setRange(250, 0);
    QSignalSpy changes(&bar, &ScrollBar::changed);
    bar.setValue(100);
    bar.setSliderDown(true);
    bar.setSliderPosition(20);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(bar.draggedValue(), 230);
    bar.setSliderDown(false);
    EXPECT_EQ(changes.count(), 2);
    EXPECT_TRUE(bar.value() == 230 && !bar.draggedValue());
}

// Work that cannot be stopped keeps its dialog, holding off the other
// windows, through Esc and the close box.
TEST(Platform, ProgressOfWorkThatCannotStopStaysShown)
{
    QWidget owner;
    ProgressDialog progress(owner, "Printing", 1);
    QElapsedTimer time;
    time.start();
    int looks = 0; // at the dialog shown: Esc and the close box, then whether it stayed
    progress.waitFor("Sending", [&] {
        auto *dialog = owner.findChild<QProgressDialog *>();
        if (dialog && dialog->isVisible() && ++looks == 1) {
            QTest::keyClick(dialog, Qt::Key_Escape);
            dialog->close();
        }
        return looks == 2 || time.elapsed() > 3000;
    });
    EXPECT_EQ(looks, 2);
}

// Texts that are no numbers, infinities and "not a number" give nothing;
// the user's locale is read first.
TEST(Platform, NumbersFromText)
{
    for (const auto &[text, value] : {std::pair{"-100", -100.0}, {" 45", 45.0}, {"2.5", 2.5}})
        EXPECT_EQ(textToNumber(text), value);
    for (const char *text : {"", "north", "inf", "nan", "1e400"})
        EXPECT_FALSE(textToNumber(text)) << text;
    QLocale::setDefault(QLocale(QLocale::German));
    EXPECT_EQ(textToNumber("2,5"), 2.5);
    QLocale::setDefault(QLocale::c());
}

// The window shows what its surface holds: the lines gathered before
// anything has read the picture, and the background alone after a clear.
TEST(Platform, SurfaceDrawsInUserCoordinates)
{
    Form window("probe", "probe", 1500, 1500, BorderStyle::Sizable);
    window.show();
    Surface &surface = window.surface();
    surface.setBackColor(RGB(255, 255, 255));
    surface.setScale(-50, -50, 50, 50);
    surface.moveTo(-10, 0);
    surface.lineTo(10, 0, RGB(255, 0, 0));
    surface.lineTo(10, 10, RGB(0, 0, 255));
    const auto pixels = [](const QImage &image) {
        return std::vector{fromQColor(image.pixelColor(45, 50)), fromQColor(image.pixelColor(60, 55)),
                           fromQColor(image.pixelColor(45, 40))};
    };
    const std::vector lines{RGB(255, 0, 0), RGB(0, 0, 255), RGB(255, 255, 255)};
    EXPECT_EQ(pixels(window.client().grab().toImage()), lines);
    EXPECT_EQ(pixels(surface.image()), lines);
    const Color green = RGB(0, 128, 0);
    surface.setBackColor(green);
    EXPECT_EQ((std::vector{surface.currentX(), surface.currentY()}), (std::vector{0.0f, 0.0f}));
    EXPECT_EQ(pixels(window.client().grab().toImage()), std::vector(3, green));
    surface.moveTo(-10, 0);
    surface.lineTo(10, 0, RGB(255, 0, 0));
    const std::vector line{RGB(255, 0, 0), green, green};
    EXPECT_EQ(pixels(window.client().grab().toImage()), line);
    EXPECT_EQ(pixels(surface.image()), line);
}

} // namespace

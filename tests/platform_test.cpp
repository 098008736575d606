#include "platform/checkbox.h"
#include "platform/color.h"
#include "platform/form.h"
#include "platform/formref.h"
#include "platform/numbers.h"
#include "platform/scrollbar.h"
#include "platform/system.h"
#include "platform/textbox.h"

#include <QLocale>
#include <QSignalSpy>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

int loads = 0;
int unloads = 0;

class Probe : public Form
{
public:
    Probe() : Form("probe", "probe", 1500, 750, BorderStyle::Sizable) {}
    TextBox Text1{&client()};

protected:
    void onLoad() override
    {
        ++loads;
        Text1.setText("design");
    }
    void onUnload() override { ++unloads; }
};

TEST(Platform, WindowsLoadOnFirstReferenceAndComeBackFresh)
{
    loads = unloads = 0;
    FormRef<Probe> probe;
    probe.unload(); // never loaded: nothing is created
    EXPECT_EQ(loads + unloads, 0);
    EXPECT_FALSE(probe.isLoaded());

    probe->Text1.setText("typed");
    EXPECT_EQ(loads, 1);
    EXPECT_FALSE(probe->isVisible());
    probe->show();
    EXPECT_EQ(probe->clientPixelWidth(), 100);
    EXPECT_EQ(probe->clientPixelHeight(), 50);

    probe->close(); // the close box unloads
    EXPECT_EQ(unloads, 1);
    EXPECT_FALSE(probe.isLoaded());
    DoEvents();
    EXPECT_EQ(probe->Text1.text(), "design");
    EXPECT_EQ(loads, 2);
    probe.unload();
    DoEvents();
}

TEST(Platform, UnloadInsideAYieldDefersTheDeletion)
{
    FormRef<Probe> probe;
    QPointer<Probe> window = &probe.get();
    QTimer::singleShot(0, [&] { probe.unload(); });
    DoEvents();
    EXPECT_FALSE(window.isNull()) << "deleted while a handler might still use it";
    DoEvents();
    // Back in the event loop, which these tests do not run.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

TEST(Platform, ScrollBarWithMinAtTheTop)
{
    ScrollBar bar(Qt::Vertical, nullptr);
    bar.resize(17, 100);
    bar.setRange(250, 0);
    QSignalSpy changes(&bar, &ScrollBar::changed);
    bar.setValue(100);
    EXPECT_EQ(bar.value(), 100);
    EXPECT_EQ(changes.count(), 1);
    QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(8, 95)); // the lower arrow
    EXPECT_EQ(bar.value(), 99);
    bar.setValue(400);
    EXPECT_EQ(bar.value(), 250);
    bar.setValue(-7);
    EXPECT_EQ(bar.value(), 0);
    // A dragged thumb reports only when it is released.
    changes.clear();
    bar.setSliderDown(true);
    bar.setSliderPosition(20);
    EXPECT_EQ(changes.count(), 0);
    bar.setSliderDown(false);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(bar.value(), 230);
}

TEST(Platform, ChangeAndClickFireForTheProgramsOwnWrites)
{
    TextBox text(nullptr);
    QSignalSpy textChanges(&text, &TextBox::changed);
    text.setText("-100");
    EXPECT_EQ(textChanges.count(), 1);

    CheckBox check(nullptr);
    QSignalSpy clicks(&check, &CheckBox::clicked);
    check.setValue(1);
    check.setValue(2);
    EXPECT_EQ(check.value(), 2);
    check.setValue(0);
    EXPECT_EQ(clicks.count(), 3);
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

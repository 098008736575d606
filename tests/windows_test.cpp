#include "core/module1.h"
#include "generator/generatorpanel.h"
#include "infowindows/aboutwindow.h"
#include "infowindows/errorwindow.h"
#include "infowindows/helpwindow.h"
#include "mainwindow/mainpanel.h"
#include "platform/system.h"
#include "testsupport.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {

int topLevelWindowsNamed(const QString &name)
{
    int count = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        count += widget->objectName() == name && widget->isVisible();
    return count;
}

TEST(InfoWindows, HelpTwiceLeavesOneWindowWithTheText)
{
    startProgram();
    Form1->vhelp.trigger();
    Form1->vhelp.trigger();
    DoEvents();
    EXPECT_EQ(topLevelWindowsNamed("help1"), 1);
    EXPECT_EQ(help1->caption(), "Rondel help");
    EXPECT_TRUE(help1->Label4.caption().contains("in combinstions or all simultaneously"));
    EXPECT_TRUE(help1->Label8.caption().endsWith("simple curves. "));
}

TEST(InfoWindows, AboutClosesWithOk)
{
    startProgram();
    Form1->about.trigger();
    EXPECT_TRUE(about1->isVisible());
    EXPECT_EQ(about1->caption(), "About Rondel");
    QTest::mouseClick(&about1->Command1, Qt::LeftButton);
    EXPECT_FALSE(about1.isLoaded());
}

TEST(InfoWindows, ErrorWindowBeepsOncePerShowing)
{
    startProgram();
    ShowError("first");
    ShowError("second");
    EXPECT_EQ(beepCount(), 1);
    EXPECT_EQ(errbox->Label1.caption(), "second");
    QTest::mouseClick(&errbox->Command1, Qt::LeftButton);
    EXPECT_FALSE(errbox.isLoaded());
    DoEvents();
    ShowError("third");
    EXPECT_EQ(beepCount(), 2);
    EXPECT_EQ(errbox->caption(), "Rondel error");
    const QRect designLabel = errbox->Label1.geometry();

    // A long message pushes the button down instead of hiding under it.
    ShowError("could not save \"/home/someone/Documents/drawings/rosette.wmf\": No such file or directory");
    const QLabel &label = errbox->Label1;
    EXPECT_GE(label.height(), label.heightForWidth(label.width()));
    EXPECT_GT(label.height(), designLabel.height());
    EXPECT_GT(errbox->Command1.y(), label.geometry().bottom());
    EXPECT_GT(errbox->clientPixelHeight(), errbox->Command1.geometry().bottom());
}

TEST(Generator, LoadsWithTheMainPanelsPositionAndUnloadStopsTheLoops)
{
    startProgram();
    Form1->HScroll1.setValue(-30);
    genbox.unload(); // loaded invisibly by the slider
    DoEvents();
    penWidth = 2;
    meterOn = false;
    fullScreen = true;
    Form1->gen.trigger();
    EXPECT_TRUE(genbox->isVisible());
    EXPECT_EQ(genbox->caption(), "generator");
    EXPECT_EQ(genbox->Text7.text(), "-30");
    EXPECT_EQ(genbox->Text8.text(), "-30");
    EXPECT_EQ(genbox->Check1.value(), 0);
    EXPECT_EQ(genbox->Label8.caption(), "randomate");
    EXPECT_EQ(penWidth, 1);
    EXPECT_TRUE(meterOn);
    EXPECT_FALSE(fullScreen);

    animStopped = false;
    replaying = true;
    genbox->close();
    EXPECT_TRUE(animStopped);
    EXPECT_FALSE(replaying);
    EXPECT_FALSE(genbox.isLoaded());
}

} // namespace

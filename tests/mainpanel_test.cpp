#include "core/module1.h"
#include "generator/generatorpanel.h"
#include "infowindows/errorwindow.h"
#include "mainwindow/canvaswindow.h"
#include "mainwindow/mainpanel.h"
#include "platform/system.h"
#include "testsupport.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(MainPanel, StartsWithTheDesignValues)
{
    startProgram();
    MainPanel &panel = *Form1;
    EXPECT_EQ(panel.caption(), "Rondel");
    EXPECT_EQ(panel.clientPixelWidth(), 212);
    EXPECT_EQ(panel.clientPixelHeight(), 366);
    EXPECT_EQ(panel.Text1.text(), "100");
    EXPECT_EQ(panel.Text2.text(), "40");
    EXPECT_EQ(panel.Text4.text(), "0");
    EXPECT_EQ(panel.Text3.text(), "100");
    EXPECT_EQ(panel.Text5.text(), "-100");
    EXPECT_EQ(panel.VScroll1.value(), 100);
    EXPECT_EQ(panel.VScroll2.value(), 40);
    EXPECT_EQ(panel.VScroll4.value(), 0);
    EXPECT_EQ(panel.VScroll3.value(), 100);
    EXPECT_EQ(panel.HScroll1.value(), -100);
    EXPECT_TRUE(panel.Text4.isEnabled());
    EXPECT_FALSE(panel.Text1.isEnabled());
    EXPECT_EQ(panel.chip0.backColor(), RGB(0, 0, 192));
    EXPECT_FALSE(panel.saveas.isEnabled());
    EXPECT_FALSE(panel.prims.isEnabled());
    EXPECT_TRUE(panel.randomize.isEnabled());
    EXPECT_EQ(panel.saveas.caption(), "&Save as  (.wmf)");
    EXPECT_EQ(panel.saveas.shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(panel.zi.shortcut(), QKeySequence(Qt::Key_F1));

    EXPECT_EQ(drawCount, 0);
    EXPECT_EQ(paletteIndex, 0);
    EXPECT_EQ(zoomFactor, 0.25);
    EXPECT_EQ(pi * 2, 6.283185308);
    EXPECT_FALSE(replaying);
    EXPECT_TRUE(animStopped);
    EXPECT_EQ(palette, (std::array<Color, 8>{0x000000, 0x0000FF, 0x808000, 0x008080, 0xFF0000, 0x00FF00, 0x800080,
                                             0x0080FF}));
}

TEST(MainPanel, SlidersWriteTheirValueAndRedrawTheSetupBox)
{
    startProgram();
    MainPanel &panel = *Form1;
    SurfaceRecorder recorder;
    panel.VScroll4.setValue(360);
    EXPECT_EQ(panel.Text4.text(), "360");
    panel.VScroll1.setValue(10);
    EXPECT_EQ(panel.Text1.text(), "10");
    const std::vector<SurfaceOp> box = recorder.on("Picture1");
    ASSERT_EQ(box.size(), 10u); // two redraws of five operations
    EXPECT_EQ(box[6], (SurfaceOp{"Picture1", SurfaceOp::Circle, 0, 0, 10, 0, RGB(0, 0, 0)}));

    EXPECT_FALSE(genbox.isLoaded());
    panel.HScroll1.setValue(40);
    EXPECT_EQ(panel.Text5.text(), "40");
    EXPECT_EQ(genbox->Text7.text(), "40");
    EXPECT_EQ(genbox->Text8.text(), "40");
    EXPECT_FALSE(genbox->isVisible());
}

TEST(MainPanel, VerticalSlidersRaiseTheirValueTowardsTheTop)
{
    startProgram();
    ScrollBar &bar = Form1->VScroll3;
    QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(bar.width() / 2, 3)); // the upper arrow
    EXPECT_EQ(bar.value(), 101);
    EXPECT_EQ(Form1->Text3.text(), "101");
}

TEST(MainPanel, SetupBoxShowsTheStartConfiguration)
{
    startProgram();
    SurfaceRecorder recorder;
    QTest::mouseClick(&Form1->Picture1, Qt::LeftButton);
    const std::vector<SurfaceOp> expected{
        {"Picture1", SurfaceOp::Clear, 0, 0, 0, 0, Form1->Picture1.backColor()},
        {"Picture1", SurfaceOp::Circle, 0, 0, 100, 0, RGB(0, 0, 0)},
        {"Picture1", SurfaceOp::Circle, 60, 0, 40, 0, RGB(255, 0, 0)},
        {"Picture1", SurfaceOp::Line, 60, 0, 100, 0, RGB(0, 0, 255)},
        {"Picture1", SurfaceOp::Circle, 100, 0, 5, 0, RGB(0, 0, 192)},
    };
    EXPECT_EQ(recorder.on("Picture1"), expected);
}

TEST(MainPanel, DrawFillsTheRecordFromTheBoxesAndTheSlider)
{
    startProgram();
    MainPanel &panel = *Form1;
    panel.HScroll1.setValue(20);
    panel.Text5.setText("99"); // the position comes from the slider itself
    panel.Text4.setText("45"); // typed, without touching the slider
    clickDraw();
    const DrawingRecord &record = drawings[0];
    EXPECT_EQ(record.statRadius, 500);
    EXPECT_EQ(record.rotRadius, 200);
    EXPECT_EQ(record.penDistance, 200);
    EXPECT_EQ(record.startAngle, (-45.0 / 180) * 3.141592654);
    EXPECT_EQ(record.gearPosition, 20);
    EXPECT_EQ(record.color, RGB(0, 0, 192));
    EXPECT_EQ(drawCount, 1);
    EXPECT_EQ(panel.chip0.backColor(), palette[1]);
    EXPECT_TRUE(panel.saveas.isEnabled());
    EXPECT_EQ(panel.VScroll4.value(), 0);
}

TEST(MainPanel, ClearEmptiesTheCanvasAndTheListButKeepsTheRecords)
{
    startProgram();
    for (int i = 0; i < 3; ++i)
        clickDraw();
    const DrawingRecord second = drawings[1];
    SurfaceRecorder recorder;
    QTest::mouseClick(&Form1->Command1, Qt::LeftButton);
    EXPECT_EQ(drawCount, 0);
    EXPECT_FALSE(Form1->saveas.isEnabled());
    EXPECT_EQ(recorder.on("canvas").front().kind, SurfaceOp::Clear);
    EXPECT_EQ(paletteIndex, 3);

    clickDraw();
    EXPECT_EQ(drawCount, 1);
    EXPECT_TRUE(Form1->saveas.isEnabled());
    EXPECT_EQ(drawings[1].color, second.color);
}

TEST(MainPanel, RefusesADrawingWithoutPlaceOrWithoutAStartAngle)
{
    startProgram();
    SurfaceRecorder recorder;
    Form1->Text4.setText("north");
    clickDraw();
    EXPECT_EQ(drawCount, 0);
    EXPECT_TRUE(errbox->isVisible());
    EXPECT_EQ(errbox->Label1.caption(), "the start angle must be a number");
    EXPECT_EQ(beepCount(), 1);
    EXPECT_FALSE(Form1->saveas.isEnabled());
    EXPECT_EQ(Form1->chip0.backColor(), RGB(0, 0, 192));

    // The setup box draws such an angle as 0.
    QTest::mouseClick(&Form1->Picture1, Qt::LeftButton);
    EXPECT_EQ(recorder.on("Picture1")[2].x1, 60.0f);

    Form1->Text4.setText("0");
    drawCount = DrawingSlots;
    clickDraw();
    EXPECT_EQ(drawCount, DrawingSlots);
    EXPECT_EQ(errbox->Label1.caption(), "the drawing list is full and must be cleared");
    EXPECT_EQ(recorder.canvasLineTos(), 0);
}

TEST(MainPanel, TheLastSlotTakesTheLastDrawing)
{
    startProgram();
    drawCount = DrawingSlots - 1;
    clickDraw();
    EXPECT_EQ(drawCount, DrawingSlots);
    EXPECT_EQ(drawings[5000].statRadius, 500);
}

TEST(MainPanel, ExitUnloadsEveryWindowAndEndsTheProgram)
{
    startProgram();
    Form1->gen.trigger();
    Form1->vhelp.trigger();
    EXPECT_EXIT(
        {
            Form1->exit.trigger();
            std::exit(3); // not reached
        },
        ::testing::ExitedWithCode(0), "");

    bool ended = false;
    setEndHook([&] { ended = true; });
    Form1->gen.trigger();
    EXPECT_TRUE(genbox->isVisible());
    Form1->exit.trigger();
    EXPECT_TRUE(ended);
    EXPECT_FALSE(genbox.isLoaded());
    EXPECT_FALSE(canvas.isLoaded());
    EXPECT_FALSE(help1.isLoaded());
    EXPECT_FALSE(about1.isLoaded());
    EXPECT_FALSE(errbox.isLoaded());
    EXPECT_FALSE(Form1.isLoaded());
    setEndHook({});
}

} // namespace

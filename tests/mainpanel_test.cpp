#include "infowindows/errorwindow.h"
#include "mainwindow/canvaswindow.h"
#include "support/fixtures.h"

#include <QMenuBar>

namespace {

using MainPanelTest = ProgramTest;

// The design's twips at 15 to the pixel; the setup box shows the start
// configuration and follows the sliders.
TEST_F(MainPanelTest, StartsAtTheDesignSizesAndTheSetupBoxFollowsTheSliders)
{
    EXPECT_EQ(QSize(Form1->clientPixelWidth(), Form1->clientPixelHeight()), QSize(212, 366));
    EXPECT_EQ(QSize(canvas->clientPixelWidth(), canvas->clientPixelHeight()), QSize(419, 400));
    EXPECT_TRUE(canvas->isVisible() && animStopped && !replaying);
    MainPanel &panel = *Form1;
    SurfaceRecorder recorder;
    QTest::mouseClick(&Form1->Picture1, Qt::LeftButton);
    EXPECT_EQ(recorder.on("Picture1"), (std::vector<SurfaceOp>{
                                           {"Picture1", SurfaceOp::Clear, 0, 0, 0, 0, Form1->Picture1.backColor()},
                                           {"Picture1", SurfaceOp::Circle, 0, 0, 100, 0, RGB(0, 0, 0)},
                                           {"Picture1", SurfaceOp::Circle, 60, 0, 40, 0, RGB(255, 0, 0)},
                                           {"Picture1", SurfaceOp::Line, 60, 0, 100, 0, RGB(0, 0, 255)},
                                           {"Picture1", SurfaceOp::Circle, 100, 0, 5, 0, RGB(0, 0, 192)},
                                       }));
    panel.VScroll4.setValue(360);
    panel.VScroll1.setValue(10);
    EXPECT_EQ((QStringList{panel.Text4.text(), panel.Text1.text()}), (QStringList{"360", "10"}));
    EXPECT_EQ(recorder.on("Picture1").at(11), (SurfaceOp{"Picture1", SurfaceOp::Circle, 0, 0, 10, 0, RGB(0, 0, 0)}));
    // The upper arrow raises the value.
    QTest::mouseClick(&panel.VScroll3, Qt::LeftButton, {}, QPoint(panel.VScroll3.width() / 2, 3));
    EXPECT_EQ(panel.Text3.text(), "101");
    // The gear position goes to the generator's rows too, loading the panel
    // without showing it.
    genbox.unload();
    DoEvents();
    panel.HScroll1.setValue(40);
    EXPECT_EQ((QStringList{panel.Text5.text(), genbox->Text7.text(), genbox->Text8.text()}), (QStringList(3, "40")));
    EXPECT_FALSE(genbox->isVisible());
}

// Each menu as the user opens it: the items, a bar between groups.
TEST_F(MainPanelTest, MenusShowTheirItemsInGroups)
{
    QStringList menus;
    for (const QAction *menu : Form1->menuBar().actions()) {
        QString items;
        for (const QAction *item : menu->menu()->actions())
            items += item->isSeparator() ? " |" : " " + item->text();
        menus << menu->text() + ":" + items;
    }
    EXPECT_EQ(menus, (QStringList{"&File: &Open drawing… Open &recent Reopen &last session | Save &drawing as… | "
                                  "&Save as  (.wmf) Export as S&VG… Export as P&NG… Export film as &GIF… "
                                  "Export as PD&F… | &Print… Print previe&w… | E&xit",
                                  "Edit: Undo Redo | &Random colors primary colors | Generator | &Copy picture",
                                  "View: zoom in zoom out smooth lines | preview curve", "Help: view help about Rondel"}));
}

TEST_F(MainPanelTest, DrawFillsTheRecordFromTheBoxesAndTheSlider)
{
    MainPanel &panel = *Form1;
    panel.HScroll1.setValue(20);
    panel.Text5.setText("99"); // the position comes from the slider itself
    panel.Text4.setText("45"); // typed, without touching the slider
    clickDraw();
    const DrawingRecord &record = drawings[0];
    EXPECT_EQ((std::vector<double>{record.statRadius, record.rotRadius, record.penDistance, record.startAngle,
                                   double(record.gearPosition), double(record.color)}),
              (std::vector<double>{500, 200, 200, (-45.0 / 180) * 3.141592654, 20, double(RGB(0, 0, 192))}));
    EXPECT_EQ(drawCount, 1);
    EXPECT_EQ(panel.chip0.backColor(), palette[1]);
    EXPECT_TRUE(panel.saveas.isEnabled());

    // A start angle far beyond a turn is stored within one turn, so that
    // its curve closes as the same angle's does; angles up to a turn
    // either way are stored as they are.
    panel.VScroll1.setValue(119);
    panel.VScroll2.setValue(120);
    panel.VScroll3.setValue(250);
    panel.HScroll1.setValue(100);
    for (const auto &[typed, stored] : {std::pair{"1e9", 280.0}, {"1e17", 280.0}, {"-725", -5.0}, {"360", 360.0},
                                        {"-360", -360.0}, {"359.5", 359.5}}) {
        panel.Text4.setText(typed);
        SurfaceRecorder recorder;
        clickDraw();
        EXPECT_EQ(drawings.at(drawCount - 1).startAngle, (-stored / 180) * pi) << typed;
        EXPECT_EQ(recorder.on("canvas", SurfaceOp::LineTo).size(), 24000u) << typed;
    }
}

// A canvas closed by the user comes back at the next drawing and replays
// the list as it appears; draws and clears inside that replay must find
// the list whole.
TEST_F(MainPanelTest, DrawAndClearInsideTheReplayOfAReCreatedCanvas)
{
    for (int i = 0; i < 6; ++i)
        clickDraw();
    clickClear();
    clickDraw();
    clickDraw();
    canvas->close();
    SurfaceRecorder recorder;
    atNextYield(clickDraw);
    clickDraw();
    EXPECT_EQ((std::vector{drawings[2].color, drawings[3].color, Form1->chip0.backColor()}),
              (std::vector{palette[0], palette[1], palette[2]}));
    recorder.clear();
    clickCanvas();
    EXPECT_EQ(recorder.canvasCurves(), (std::vector<Color>{palette[6], palette[7], palette[0], palette[1]}));

    canvas->close();
    atNextYield(clickClear);
    clickDraw();
    EXPECT_EQ(drawCount, 0);

    // The last free slot is taken by a drawing in the re-created canvas's
    // replay, and a second drawing in that replay finds the list full.
    drawings.fill(panelRecord(100, 40, 100, 0, -100));
    drawCount = DrawingSlots - 1;
    canvas->close();
    atNextYield(clickDraw);
    clickDraw();
    EXPECT_EQ(drawCount, DrawingSlots);
    EXPECT_EQ(errbox->Label1.caption(), "the drawing list is full and must be cleared");
    EXPECT_EQ(Form1->chip0.backColor(), palette[4]);
    recorder.clear();
    clickCanvas();
    EXPECT_EQ(recorder.canvasCurves().size(), size_t(DrawingSlots));
}

TEST_F(MainPanelTest, RefusesAStartAngleThatIsNoNumber)
{
    SurfaceRecorder recorder;
    Form1->Text4.setText("north");
    clickDraw();
    EXPECT_EQ(drawCount, 0);
    EXPECT_EQ(errbox->Label1.caption(), "the start angle must be a number");
    EXPECT_EQ(beepCount(), 1);
    EXPECT_FALSE(Form1->saveas.isEnabled());
    EXPECT_EQ(Form1->chip0.backColor(), RGB(0, 0, 192));
    // The setup box draws such an angle as 0.
    QTest::mouseClick(&Form1->Picture1, Qt::LeftButton);
    EXPECT_EQ(recorder.on("Picture1")[2].x1, 60.0f);
}

TEST_F(MainPanelTest, ExitUnloadsEveryWindowAndEndsTheProgram)
{
    bool ended = false;
    setEndHook([&] { ended = true; });
    Form1->gen.trigger();
    Form1->vhelp.trigger();
    Form1->exit.trigger();
    setEndHook({});
    EXPECT_TRUE(ended);
    EXPECT_FALSE(genbox.isLoaded() || canvas.isLoaded() || help1.isLoaded() || Form1.isLoaded());
}

} // namespace

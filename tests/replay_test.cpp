#include "core/module1.h"
#include "generator/generatorpanel.h"
#include "mainwindow/canvaswindow.h"
#include "mainwindow/mainpanel.h"
#include "platform/system.h"
#include "testsupport.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

class Replaying : public ::testing::Test
{
protected:
    void SetUp() override
    {
        startProgram();
        for (int i = 0; i < 4; ++i)
            clickDraw();
    }

    // The colours of the curves the canvas received, one per curve.
    static std::vector<Color> curves(const SurfaceRecorder &recorder)
    {
        std::vector<Color> colours;
        for (const SurfaceOp &op : recorder.on("canvas")) {
            if (op.kind == SurfaceOp::Line)
                colours.push_back(0);
            else if (op.kind == SurfaceOp::LineTo && colours.back() == 0)
                colours.back() = op.color;
        }
        return colours;
    }
    // The colours of the given slots, to compare with curves().
    template <class... Index>
    static std::vector<Color> colorsOf(Index... indices)
    {
        return {drawings.at(indices).color...};
    }
};

TEST_F(Replaying, ClickRedrawsTheListInOrder)
{
    SurfaceRecorder recorder;
    clickCanvas();
    EXPECT_EQ(recorder.on("canvas").front().kind, SurfaceOp::Clear);
    EXPECT_EQ(curves(recorder), colorsOf(0, 1, 2, 3));
    EXPECT_FALSE(replaying);
}

TEST_F(Replaying, EmptyListOnlyClears)
{
    QTest::mouseClick(&Form1->Command1, Qt::LeftButton);
    SurfaceRecorder recorder;
    clickCanvas();
    EXPECT_EQ(recorder.on("canvas").size(), 1u);
    EXPECT_FALSE(replaying);
}

TEST_F(Replaying, SecondClickStopsAfterTheCurrentCurve)
{
    SurfaceRecorder recorder;
    atNextYield([] { clickCanvas(); });
    clickCanvas();
    EXPECT_EQ(curves(recorder), colorsOf(0));
    EXPECT_FALSE(replaying);
    // The next click starts again from the first record.
    recorder.clear();
    clickCanvas();
    EXPECT_EQ(curves(recorder), colorsOf(0, 1, 2, 3));
}

TEST_F(Replaying, DrawAndClearDuringAReplayLeaveItsBound)
{
    SurfaceRecorder recorder;
    atNextYield([] {
        clickDraw(); // a fifth curve on top, slot 4
        atNextYield([] { QTest::mouseClick(&Form1->Command1, Qt::LeftButton); });
    });
    clickCanvas();
    EXPECT_EQ(curves(recorder), colorsOf(0, 4, 1, 2, 3));
    EXPECT_EQ(drawCount, 0);
}

TEST_F(Replaying, ResizeDuringAReplayDrawsThePictureExactlyOnceMore)
{
    SurfaceRecorder recorder;
    atNextYield([] {
        atNextYield([] {
            canvas->resize(500, 500);
            DoEvents();
        });
    });
    clickCanvas();
    // Two curves of the first replay, then the whole list once.
    EXPECT_EQ(curves(recorder), colorsOf(0, 1, 0, 1, 2, 3));
    EXPECT_FALSE(replaying);
}

TEST_F(Replaying, ClosingTheGeneratorStopsIt)
{
    SurfaceRecorder recorder;
    atNextYield([] { genbox->close(); });
    clickCanvas();
    EXPECT_EQ(curves(recorder), colorsOf(0));
    EXPECT_TRUE(animStopped);
}

TEST_F(Replaying, ClosingTheCanvasBringsItBackWithTheWholePicture)
{
    SurfaceRecorder recorder;
    atNextYield([] { canvas->close(); });
    clickCanvas();
    // The next curve re-creates the canvas, whose first showing replays the
    // list; that curve is then traced on top and the interrupted replay stops.
    EXPECT_TRUE(canvas->isVisible());
    EXPECT_EQ(curves(recorder), colorsOf(0, 0, 1, 2, 3, 1));
    EXPECT_FALSE(replaying);
}

TEST_F(Replaying, ZoomDuringAReplayGoesOnAtTheNewScale)
{
    SurfaceRecorder recorder;
    atNextYield([] { Form1->zi.trigger(); });
    clickCanvas();
    EXPECT_EQ(curves(recorder), colorsOf(0, 1, 2, 3));
    EXPECT_EQ(recorder.on("canvas").back().x2, 500.0f);
    EXPECT_EQ(canvas->surface().userToPixel(-354, -354), QPointF(0, 0));
}

TEST_F(Replaying, ExitDuringAReplayEndsAtOnce)
{
    EXPECT_EXIT(
        {
            atNextYield([] { Form1->exit.trigger(); });
            clickCanvas();
            std::exit(3); // the replay must not finish
        },
        ::testing::ExitedWithCode(0), "");
}

} // namespace

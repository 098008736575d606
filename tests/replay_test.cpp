#include "mainwindow/canvaswindow.h"
#include "support/fixtures.h"

namespace {

class Replaying : public ProgramTest
{
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        clickDrawTimes(4);
    }

    // The colours of the given slots, to compare with the curves drawn.
    template <class... Index>
    static std::vector<Color> colorsOf(Index... indices)
    {
        return {drawings.at(indices).color...};
    }
};

TEST_F(Replaying, ClicksStartAndStopTheReplayAndAClosedCanvasComesBackWhole)
{
    genbox.unload();
    penWidth = 0;
    SurfaceRecorder recorder;
    atNextYield(clickCanvas);
    clickCanvas();
    // Cleared, then stopped after the current curve.
    EXPECT_EQ(recorder.on("canvas").front().kind, SurfaceOp::Clear);
    EXPECT_EQ(recorder.canvasCurves(), colorsOf(0));
    // Reading the animation boxes loaded the panel, which set the options.
    EXPECT_TRUE(!replaying && genbox.isLoaded() && !genbox->isVisible() && penWidth == 1);
    // The next click starts again from the first record.
    recorder.clear();
    clickCanvas();
    EXPECT_EQ(recorder.canvasCurves(), colorsOf(0, 1, 2, 3));
    EXPECT_FALSE(replaying);
    // The next curve after a close re-creates the canvas, whose first
    // showing clears it and restarts the replay; that curve is traced, then
    // the whole list.
    recorder.clear();
    atNextYield([] { canvas->close(); });
    clickCanvas();
    EXPECT_TRUE(canvas->isVisible());
    EXPECT_EQ(recorder.canvasCurves(), colorsOf(0, 1, 0, 1, 2, 3));
    EXPECT_FALSE(replaying);
    clickClear();
    recorder.clear();
    clickCanvas();
    EXPECT_EQ(recorder.on("canvas").size(), 1u);
}

// A draw, a zoom and a clear inside the replay: the new curve is drawn on
// top, the rest follow at the new scale, and the bound taken at the start
// holds.
TEST_F(Replaying, DrawZoomAndClearDuringAReplayLeaveItsBound)
{
    SurfaceRecorder recorder;
    atYield(1, clickDraw); // a fifth curve on top, slot 4
    atYield(2, [] { Form1->zi.trigger(); });
    atYield(3, clickClear);
    clickCanvas();
    EXPECT_EQ(recorder.canvasCurves(), colorsOf(0, 4, 1, 2, 3));
    EXPECT_EQ(drawCount, 0);
    EXPECT_EQ(canvas->surface().userToPixel(-354, -354), QPointF(0, 0));
}

TEST_F(Replaying, AStreamOfResizesAndClicksNeverNestsAReplay)
{
    SurfaceRecorder recorder;
    int events = 0, deepest = 0;
    std::function<void()> next = [&] {
        deepest = std::max(deepest, yieldDepth());
        if (++events < 400)
            atNextYield(next);
        if (events % 2 == 0) {
            canvas->resize(400 + events % 7, 400); // a window being dragged
        } else {
            clickCanvas(); // stop, and start again
            clickCanvas();
        }
    };
    atNextYield(next);
    clickCanvas();
    DoEvents();
    EXPECT_EQ((std::vector{events, deepest}), (std::vector{400, 1}));
    EXPECT_GT(recorder.on("canvas", SurfaceOp::Scale).size(), 150u);
    const std::vector<SurfaceOp> ops = recorder.on("canvas");
    // After the last clear the picture is drawn once, whole, at the scale of
    // the last size.
    EXPECT_EQ(canvas->surface().userToPixel(500, 500), QPointF(canvas->clientPixelWidth(), 400));
    const auto lastClear = std::find_if(ops.rbegin(), ops.rend(), [](auto &op) { return op.kind == SurfaceOp::Clear; });
    std::vector<Color> curves;
    for (auto op = lastClear.base(); op != ops.end(); ++op)
        if (op->kind == SurfaceOp::LineTo && (op - 1)->kind == SurfaceOp::MoveTo)
            curves.push_back(op->color);
    EXPECT_TRUE(curves == colorsOf(0, 1, 2, 3) && !replaying);
}

} // namespace

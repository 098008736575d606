#include "animation/animation.h"
#include "animation/anistart.h"
#include "animation/screenwindow.h"
#include "core/module1.h"
#include "generator/generatorpanel.h"
#include "infowindows/errorwindow.h"
#include "mainwindow/canvaswindow.h"
#include "mainwindow/mainpanel.h"
#include "core/rnd.h"
#include "platform/system.h"
#include "testsupport.h"

#include <QTest>
#include <deque>
#include <gtest/gtest.h>

namespace {

// The frames the screen window received, as polylines.
std::vector<SurfaceOp> frames(const SurfaceRecorder &recorder)
{
    std::vector<SurfaceOp> polylines;
    for (const SurfaceOp &op : recorder.on("screeen"))
        if (op.kind == SurfaceOp::Polyline)
            polylines.push_back(op);
    return polylines;
}

void clickScreen()
{
    QTest::mouseClick(&screeen->client(), Qt::LeftButton);
}

class Animation : public ::testing::Test
{
protected:
    void SetUp() override
    {
        startProgram();
        Form1->gen.trigger();
    }
    void TearDown() override { setTickSource({}); }

    // A film of start-up curves with "animate" checked.
    void filmOf(int frames)
    {
        std::fill_n(drawings.begin(), frames, panelRecord(100, 40, 100, 0, -100));
        drawCount = std::int16_t(frames);
        genbox->Check1.setValue(1);
    }
    // A clock that moves on by the step whenever it is read.
    void tickEvery(std::int64_t step)
    {
        setTickSource([this, step] { return now += step; });
    }
    std::int64_t now = 0;
};

TEST_F(Animation, FramesSampleHalfAsFinelyAsTheCanvasAndEndOnTheClosingSample)
{
    const struct {
        double stat, rot, pen;
        int position, lastPoint;
    } curves[] = {{100, 40, 100, -100, 200}, {120, 10, 0, 100, 480}, {119, 120, 50, -100, 6000}, {100, 100, 0, -100, 1}};
    for (const auto &c : curves) {
        drawings[7] = panelRecord(c.stat, c.rot, c.pen, 0, c.position);
        TraceDrawingFrame(7);
        EXPECT_EQ(lastFramePoint, c.lastPoint) << c.stat << "/" << c.rot;
    }
    drawings[0] = panelRecord(100, 40, 100, 0, -100);
    TraceDrawingFrame(0);
    EXPECT_EQ(std::vector<QPoint>(framePoints.begin(), framePoints.begin() + 3),
              (std::vector<QPoint>{{500, 0}, {497, -12}, {488, -24}}));
    EXPECT_EQ(framePoints[199], QPoint(497, 12));
    EXPECT_EQ(framePoints[200], QPoint(500, 0));
}

// Both axes take their scale from the window's width.
TEST_F(Animation, FramePointsAreMappedWithTheWidthForBothAxes)
{
    const struct {
        double zoom;
        QSize window;
        std::vector<QPoint> first;
    } mappings[] = {{0.25, {400, 400}, {{400, 200}, {399, 195}, {395, 190}}},
                    {0.7, {400, 400}, {{271, 200}, {271, 198}, {270, 197}}},
                    {0.25, {800, 400}, {{800, 200}, {798, 190}, {790, 181}}}};
    for (const auto &mapping : mappings) {
        filmOf(1);
        zoomFactor = mapping.zoom;
        screeen->show();
        screeen->resize(mapping.window);
        DoEvents();
        SurfaceRecorder recorder;
        AnimateDrawing();
        const std::vector<SurfaceOp> shown = frames(recorder);
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(std::vector<QPoint>(shown[0].points.begin(), shown[0].points.begin() + 3), mapping.first);
    }
}

TEST_F(Animation, AnimatePlaysTheListOnBlackOneFramePerRecord)
{
    filmOf(3);
    drawings[1].color = RGB(255, 0, 0);
    SurfaceRecorder recorder;
    clickCanvas();
    EXPECT_TRUE(screeen->isVisible());
    EXPECT_EQ(screeen->surface().backColor(), RGB(0, 0, 0));
    const std::vector<SurfaceOp> ops = recorder.on("screeen");
    const std::vector<SurfaceOp> shown = frames(recorder);
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[1].color, RGB(255, 0, 0));
    EXPECT_EQ(shown[1].x1, 1.0f); // the pen width
    EXPECT_EQ(shown[0].points.size(), 201u);
    // Each frame is cleared just before its polyline.
    for (size_t i = 1; i < ops.size(); ++i) {
        if (ops[i].kind == SurfaceOp::Polyline) {
            EXPECT_EQ(ops[i - 1].kind, SurfaceOp::Clear);
        }
    }
    // The canvas is only cleared. The film's end arms the next click in the
    // screen window; on the canvas, the next click only clears replaying.
    EXPECT_EQ(recorder.canvasLineTos(), 0);
    EXPECT_TRUE(animStopped);
    genbox->mnuHeavy.trigger();
    EXPECT_EQ(genbox->mnuHeavy.caption(), "light line");
    recorder.clear();
    clickCanvas();
    EXPECT_TRUE(frames(recorder).empty());
    clickCanvas();
    ASSERT_EQ(frames(recorder).size(), 3u);
    EXPECT_EQ(frames(recorder)[0].x1, 2.0f);
}

TEST_F(Animation, FramesArePacedToTheirDeadlineAndTheMeterShowsTheRateReached)
{
    filmOf(3);
    genbox->Text10.clear(); // no rate: the delay stays
    genbox->Text10.setText("30");
    EXPECT_EQ(frameDelay, 33);
    // Each frame reads the clock at its start, at least once while it
    // waits, and for the meter: frames of 33, 40 and 47 ms, the last after
    // one more wait.
    std::deque<std::int64_t> ticks{0, 33, 33, 100, 140, 140, 200, 210, 247, 247};
    setTickSource([&] {
        const std::int64_t tick = ticks.front();
        if (ticks.size() > 1)
            ticks.pop_front();
        return tick;
    });
    SurfaceRecorder recorder;
    AnimateDrawing();
    std::vector<float> rates;
    for (const SurfaceOp &op : recorder.on("meter"))
        if (op.kind == SurfaceOp::FillBox)
            rates.push_back(op.x2);
    EXPECT_EQ(rates, (std::vector<float>{30, 25, 21}));
    EXPECT_EQ(ticks.size(), 1u);

    // Switched off, the meter is cleared and shows no bar.
    genbox->mnuMeter.trigger();
    EXPECT_EQ(genbox->mnuMeter.caption(), "frame meter on");
    recorder.clear();
    tickEvery(40);
    AnimateDrawing();
    EXPECT_TRUE(recorder.on("meter").empty());
}

TEST_F(Animation, AStoppingClickShowsOneMoreFrameWithoutWaitOrMeter)
{
    filmOf(3);
    genbox->Text10.setText("2"); // 500 ms a frame: the click cuts the wait short
    tickEvery(10);
    SurfaceRecorder recorder;
    atYield(2, clickScreen); // after the yield that shows the window
    AnimateDrawing();
    EXPECT_LT(now, 100);
    EXPECT_EQ(frames(recorder).size(), 2u);
    EXPECT_EQ(recorder.on("meter").size(), 2u); // cleared and filled once, for the first frame
    EXPECT_TRUE(animStopped);
}

TEST_F(Animation, ClicksPauseAndResumeAndEscStops)
{
    SurfaceRecorder recorder;
    // Neither box checked: the first click only clears the flag, the
    // second sets it, and once "animate" is checked the third plays.
    clickScreen();
    EXPECT_FALSE(animStopped);
    clickScreen();
    EXPECT_TRUE(animStopped);
    filmOf(1);
    clickScreen();
    EXPECT_EQ(frames(recorder).size(), 1u);

    // "animate" unchecked during the film: its end does not arm the next
    // click, which only stops it.
    filmOf(3);
    atNextYield([] { genbox->Check1.setValue(0); });
    AnimateDrawing();
    EXPECT_FALSE(animStopped);
    genbox->Check1.setValue(1);
    recorder.clear();
    clickScreen();
    EXPECT_TRUE(frames(recorder).empty());
    clickScreen();
    EXPECT_EQ(frames(recorder).size(), 3u);

    // Esc stops the film and closes the window; the frame it still draws
    // is dropped, and the window is not freed under the running loop.
    filmOf(3);
    recorder.clear();
    atNextYield([] { QTest::keyClick(&*screeen, Qt::Key_Escape); });
    AnimateDrawing();
    EXPECT_TRUE(animStopped);
    EXPECT_FALSE(screeen.isLoaded());
    EXPECT_EQ(frames(recorder).size(), 1u);
}

TEST_F(Animation, StartsInsideAWaitReplaceTheRunningFilmWithoutNesting)
{
    filmOf(3);
    int starts = 0;
    int deepest = 0;
    std::function<void()> next = [&] {
        deepest = std::max(deepest, yieldDepth());
        if (++starts < 200)
            atNextYield(next);
        // A stop and a start, a canvas click, the generator's "draw".
        switch (starts % 3) {
        case 0:
            clickScreen();
            clickScreen();
            break;
        case 1:
            clickCanvas();
            clickCanvas();
            break;
        case 2:
            drawCount = 3;
            QTest::mouseClick(&genbox->Command1, Qt::LeftButton);
            break;
        }
    };
    atNextYield(next);
    SurfaceRecorder recorder;
    AnimateDrawing();
    EXPECT_EQ(starts, 200);
    EXPECT_EQ(deepest, 1);
    EXPECT_GT(frames(recorder).size(), 200u);
}

TEST_F(Animation, OptionsExcludeEachOtherAndSetTheFrameRate)
{
    GeneratorPanel &panel = *genbox;
    EXPECT_EQ(frameDelay, 0); // although the box shows 30
    QTest::mouseClick(&panel.Check1, Qt::LeftButton);
    EXPECT_TRUE(panel.Text10.isEnabled());
    QTest::mouseClick(&panel.Check3, Qt::LeftButton);
    EXPECT_EQ(panel.Check1.value(), 0);
    EXPECT_TRUE(panel.HScroll1.isEnabled());
    QTest::mouseClick(&panel.Check3, Qt::LeftButton);
    EXPECT_FALSE(panel.Text10.isEnabled());
    panel.HScroll1.setValue(100);
    EXPECT_EQ(panel.Text10.text(), "100");
    EXPECT_EQ(frameDelay, 10);

    // Full screen, and back to the border and the size from before.
    screeen->show();
    screeen->resize(500, 450);
    DoEvents();
    panel.mnuFull.trigger();
    EXPECT_EQ(panel.mnuFull.caption(), "normal screen");
    EXPECT_TRUE(screeen->isMaximized());
    EXPECT_TRUE(screeen->windowFlags() & Qt::FramelessWindowHint);
    panel.mnuFull.trigger();
    EXPECT_EQ(panel.mnuFull.caption(), "full screen");
    EXPECT_FALSE(screeen->isMaximized() || screeen->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(screeen->size(), QSize(500, 450));
}

TEST_F(Animation, RandomateOpensTheStartDialogWithABeepOnEachLoad)
{
    genbox->Check3.setValue(1);
    clickCanvas();
    EXPECT_TRUE(anistart->isVisible());
    EXPECT_FALSE(animStopped);
    EXPECT_EQ(beepCount(), 1);
    QTest::mouseClick(&anistart->Command2, Qt::LeftButton);
    EXPECT_FALSE(anistart.isLoaded());
    clickCanvas(); // replaying stayed true: this click only clears it
    clickCanvas();
    EXPECT_EQ(beepCount(), 2);

    // "start animation" only hides the dialog: showing it again is silent.
    atNextYield(clickScreen);
    QTest::mouseClick(&anistart->Command1, Qt::LeftButton);
    EXPECT_EQ(zoomFactor, 0.7);
    EXPECT_FALSE(anistart->isVisible());
    clickCanvas();
    clickCanvas();
    EXPECT_TRUE(anistart->isVisible());
    EXPECT_EQ(beepCount(), 2);
}

TEST_F(Animation, RandomPassesDriftBetweenTargetsThatMoveOn)
{
    GeneratorPanel &panel = *genbox;
    const QString penTo = panel.Text2.text(), angleTo = panel.Text5.text(), positionTo = panel.Text8.text();
    const Color colourTo = panel.Picture2.backColor();
    const std::int16_t passFrames = RandomizeAnimation();
    EXPECT_EQ((QStringList{panel.Text1.text(), panel.Text4.text(), panel.Text7.text()}),
              (QStringList{penTo, angleTo, positionTo}));
    EXPECT_EQ(panel.Picture1.backColor(), colourTo);
    const double newPen = panel.Text2.text().toDouble();
    EXPECT_TRUE(newPen >= 0 && newPen < 400);
    EXPECT_EQ(passFrames, newPen == 250 ? 1 : std::nearbyint(std::abs(newPen - 250) / 5));
    // The new colour is a dark colour's complement plus one.
    const Color dark = 16777216 - panel.Picture2.backColor();
    EXPECT_LE(redOf(dark) + greenOf(dark) + blueOf(dark), 400);

    panel.Picture1.setBackColor(RGB(255, 0, 0));
    panel.Picture2.setBackColor(16777216); // blue counts 256
    EXPECT_EQ(AnimationGradient(0.5f), RGB(128, 0, 128));
    EXPECT_EQ(AnimationGradient(1.0f), RGB(0, 0, 255)); // limited
}

TEST_F(Animation, TheEndlessFilmSurvivesClearsRetypedBoxesAndEmptyPasses)
{
    GeneratorPanel &panel = *genbox;
    panel.Check3.setValue(1);
    panel.Text3.setText("100"); // passes of a few frames
    SurfaceRecorder recorder;
    int waits = 0;
    std::function<void()> next = [&] {
        ++waits;
        if (waits == 2)
            clickClear();
        if (waits == 3)
            panel.Text5.setText("north");
        if (waits < 30)
            atNextYield(next);
        else
            clickScreen();
    };
    atNextYield(next);
    animStopped = false;
    RunRandomAnimation();
    EXPECT_TRUE(animStopped);
    EXPECT_GE(frames(recorder).size(), 10u);

    // A step larger than any change makes every pass empty; a click still
    // stops the film. A step of 0 ends it with a message.
    panel.Text3.setText("100000");
    atNextYield(clickScreen);
    animStopped = false;
    RunRandomAnimation();
    EXPECT_TRUE(animStopped);
    panel.Text3.setText("0");
    animStopped = false;
    RunRandomAnimation();
    EXPECT_TRUE(animStopped);
    EXPECT_EQ(errbox->Label1.caption(), "step value cannot be 0");
    panel.Text3.setText("fine");
    animStopped = false;
    RunRandomAnimation();
    EXPECT_EQ(errbox->Label1.caption(), "the pen radius step must be a number");
}

// From scripted random values: one decides whether the gear sizes change,
// three pick them, then come the pen distance, start angle, gear position
// and colour targets, in this order. Each frame's record follows the boxes
// at t = i / N.
TEST_F(Animation, EndlessFramesFollowTheDrawsInTheirOrder)
{
    GeneratorPanel &panel = *genbox;
    std::deque<float> values{0.1f, 0.5f, 0.0f, 0.99f, // sizes: a 5, b 5, c 12
                             0.6f, 0.25f, 0.7425f, 0.0f}; // 240 %, 90 degrees, position -49, colour 0
    setRndSource([&] {
        const float value = values.empty() ? 0.5f : values.front();
        if (!values.empty())
            values.pop_front();
        return value;
    });
    panel.Check3.setValue(1);
    screeen->showOnScreen();
    // The second frame takes the gradient; "animate" ends the film after
    // its pass.
    atNextYield([&] {
        panel.Check2.setValue(1);
        panel.Check1.setValue(1);
    });
    animStopped = false;
    RunRandomAnimation();
    setRndSource({});
    EXPECT_EQ((QStringList{Form1->Text1.text(), Form1->Text2.text()}), (QStringList{"60", "25"}));
    // 250 % to 240 % by 5: two frames, at t = 0 and 0.5.
    const struct {
        double degrees, penPercent;
        int position;
        Color colour;
    } expected[] = {{60, 250, -100, palette[1]}, {75, 245, -74, RGB(128, 64, 128)}}; // -74.5 is -74
    for (int i = 0; i < 2; ++i) {
        const DrawingRecord &record = drawings[i];
        EXPECT_EQ(record.statRadius, 300);
        EXPECT_EQ(record.rotRadius, 125);
        EXPECT_DOUBLE_EQ(record.startAngle, expected[i].degrees / 180 * pi);
        EXPECT_EQ(record.penDistance, expected[i].penPercent / 100 * 125);
        EXPECT_EQ(record.gearPosition, expected[i].position);
        EXPECT_EQ(record.color, expected[i].colour);
    }
    // The targets moved on after the pass.
    EXPECT_EQ((QStringList{panel.Text1.text(), panel.Text4.text(), panel.Text7.text(), panel.Text2.text()}),
              (QStringList{"240", "90", "-49", "200"}));

    // A click in the screen window resumes with the targets moved on again,
    // at the zoom as it stands.
    zoomFactor = 0.25;
    panel.Check3.setValue(1);
    atNextYield(clickScreen);
    clickScreen();
    EXPECT_EQ(panel.Text1.text(), "200");
    EXPECT_EQ(zoomFactor, 0.25);
}

} // namespace

#include "animation/animation.h"
#include "animation/anistart.h"
#include "infowindows/errorwindow.h"
#include "support/fixtures.h"

#include <algorithm>
#include <chrono>
#include <deque>

namespace {

using Animation = FilmTest;

TEST_F(Animation, FramesSampleHalfAsFinelyAsTheCanvasAndEndOnTheClosingSample)
{
    const std::pair<DrawingRecord, int> curves[] = {{panelRecord(100, 40, 100, 0, -100), 200},
                                                    {panelRecord(120, 10, 0, 0, 100), 480},
                                                    {panelRecord(119, 120, 50, 0, -100), 6000},
                                                    {panelRecord(100, 100, 0, 0, -100), 1},
                                                    // 20 R / r = 142.9 and 333.3
                                                    {panelRecord(100, 14, 100, 0, -100), 1988},
                                                    {panelRecord(100, 6, 100, 0, -100), 1998},
                                                    // 0.31 from P0, its square within the step
                                                    {panelRecord(10, 10, 5, 0, -100), 50}};
    for (const auto &[record, lastPoint] : curves) {
        drawings[7] = record;
        TraceDrawingFrame(7);
        EXPECT_EQ(lastFramePoint, lastPoint) << record.statRadius << "/" << record.rotRadius;
        EXPECT_EQ(framePoints[lastPoint], framePoints[0]) << record.statRadius << "/" << record.rotRadius;
    }
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
        const std::vector<QPoint> points = recorder.on("screeen", SurfaceOp::Polyline).at(0).points;
        EXPECT_EQ(std::vector<QPoint>(points.begin(), points.begin() + 3), mapping.first);
        EXPECT_EQ(points.back(), mapping.first[0]); // the closing sample, mapped
        EXPECT_EQ(points.size(), 201u);
    }
}

TEST_F(Animation, AnimatePlaysTheListOnBlackOneFramePerRecord)
{
    filmOf(3);
    // 599 turns of 50 steps: the frame holds the first 20001 points.
    drawings[1] = DrawingRecord{600, 599, 599, 0, RGB(255, 0, 0), 100};
    SurfaceRecorder recorder;
    clickCanvas();
    EXPECT_EQ(screeen->surface().backColor(), RGB(0, 0, 0));
    const std::vector<SurfaceOp> ops = recorder.on("screeen");
    const std::vector<SurfaceOp> shown = recorder.on("screeen", SurfaceOp::Polyline);
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ((std::vector{shown[1].color, Color(shown[1].x1)}), (std::vector{RGB(255, 0, 0), Color(1)}));
    EXPECT_EQ((std::vector{shown[0].points.size(), shown[1].points.size(), shown[2].points.size()}),
              (std::vector<std::size_t>{201, 20001, 201}));
    // Each frame is cleared just before its polyline.
    for (std::size_t i = 1; i < ops.size(); ++i)
        EXPECT_TRUE(ops[i].kind != SurfaceOp::Polyline || ops[i - 1].kind == SurfaceOp::Clear);
    // The canvas is only cleared. The film's end arms the next click in the
    // screen window; on the canvas, the next click only clears replaying.
    EXPECT_TRUE(recorder.on("canvas", SurfaceOp::LineTo).empty() && animStopped);
    genbox->mnuHeavy.trigger();
    EXPECT_EQ(genbox->mnuHeavy.caption(), "light line");
    recorder.clear();
    clickCanvas();
    clickCanvas();
    ASSERT_EQ(recorder.on("screeen", SurfaceOp::Polyline).size(), 3u);
    EXPECT_EQ(recorder.on("screeen", SurfaceOp::Polyline)[0].x1, 2.0f);
}

TEST_F(Animation, FramesArePacedToTheirDeadlineAndTheMeterShowsTheRateReached)
{
    filmOf(5);
    genbox->Text10.clear(); // no rate: the delay stays
    genbox->Text10.setText("30");
    // Each frame reads the clock at its start, at least once while it
    // waits, and for the meter: frames of 33, 40 and 47 ms, the third after
    // one more wait, then of 80 ms (12.5 frames a second, rounded up) and
    // 81 ms (12.35).
    std::deque<std::int64_t> ticks{0, 33, 33, 100, 140, 140, 200, 210, 247, 247, 247, 300, 380, 380, 400, 481, 481};
    setTickSource([&] {
        const std::int64_t tick = ticks.front();
        if (ticks.size() > 1)
            ticks.pop_front();
        return tick;
    });
    SurfaceRecorder recorder;
    AnimateDrawing();
    std::vector<float> rates;
    for (const SurfaceOp &bar : recorder.on("meter", SurfaceOp::FillBox))
        rates.push_back(bar.x2);
    EXPECT_EQ(rates, (std::vector<float>{30, 25, 21, 13, 12}));
    EXPECT_EQ(ticks.size(), 1u);

    // Switched off, the meter is cleared and shows no bar.
    genbox->mnuMeter.trigger();
    EXPECT_EQ(genbox->mnuMeter.caption(), "frame meter on");
    recorder.clear();
    tickEvery(40);
    AnimateDrawing();
    EXPECT_TRUE(recorder.on("meter").empty());
}

TEST_F(Animation, OptionsExcludeEachOtherAndSetTheFrameRate)
{
    GeneratorPanel &panel = *genbox;
    EXPECT_EQ(frameDelay, 0); // although the box shows 30
    QTest::mouseClick(&panel.Check1, Qt::LeftButton);
    QTest::mouseClick(&panel.Check3, Qt::LeftButton);
    EXPECT_EQ(panel.Check1.value(), 0);
    EXPECT_TRUE(panel.HScroll1.isEnabled() && panel.Text10.isEnabled());
    QTest::mouseClick(&panel.Check3, Qt::LeftButton);
    EXPECT_FALSE(panel.HScroll1.isEnabled() || panel.Text10.isEnabled());
    panel.HScroll1.setValue(100);
    EXPECT_TRUE(panel.Text10.text() == "100" && frameDelay == 10);
    // A rate that is no rate keeps the last one.
    for (const auto &[text, delay] : {std::pair{"45", 22.0}, {"abc", 22.0}, {"0", 22.0}, {"7", 142.0}, {"2.5", 400.0},
                                      {"-4", -250.0}}) {
        panel.Text10.setText(text);
        EXPECT_EQ(frameDelay, delay) << text;
    }
}

TEST_F(Animation, RandomateOpensTheStartDialogWithABeepOnEachLoad)
{
    genbox->Check3.setValue(1);
    clickCanvas();
    EXPECT_TRUE(anistart->isVisible() && !animStopped);
    EXPECT_EQ(beepCount(), 1);
    QTest::mouseClick(&anistart->Command2, Qt::LeftButton);
    EXPECT_FALSE(anistart.isLoaded());
    clickCanvas(); // replaying stayed true: this click only clears it
    clickCanvas();
    EXPECT_TRUE(anistart->isVisible() && beepCount() == 2);

    // "start animation" only hides the dialog: showing it again is silent.
    atNextYield(clickScreen);
    QTest::mouseClick(&anistart->Command1, Qt::LeftButton);
    EXPECT_EQ(zoomFactor, 0.7);
    EXPECT_FALSE(anistart->isVisible());
    clickCanvas();
    clickCanvas();
    EXPECT_TRUE(anistart->isVisible() && beepCount() == 2);
}

// From scripted random values: one decides whether the gear sizes change,
// three pick them, then come the pen distance, start angle, gear position
// and colour targets, in this order. Each frame's record follows the boxes
// at t = i / N.
TEST_F(Animation, EndlessFramesFollowTheDrawsInTheirOrderAndRoundTheGearPosition)
{
    GeneratorPanel &panel = *genbox;
    const std::vector<float> values{0.1f, 0.5f, 0.0f, 0.99f, // sizes: a 5, b 5, c 12
                                    0.6f, 0.25f, 0.7425f, 0.0f}; // 240 %, 90 degrees, position -49, colour 0
    std::size_t next = 0;
    setRndSource([&] { return next < values.size() ? values[next++] : 0.5f; });
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
    EXPECT_EQ((QStringList{Form1->Text1.text(), Form1->Text2.text()}), (QStringList{"60", "25"}));
    // 250 % to 240 % by 5: two frames, at t = 0 and 0.5. The colour target
    // is 0x1000000, whose blue counts 256.
    const struct {
        double degrees, penPercent;
        int position;
        Color colour;
    } expected[] = {{60, 250, -100, palette[1]}, {75, 245, -74, RGB(128, 64, 128)}}; // -74.5 is -74
    for (int i = 0; i < 2; ++i) {
        const DrawingRecord &record = drawings[i];
        EXPECT_EQ((std::vector{record.statRadius, record.rotRadius}), (std::vector{300.0, 125.0}));
        EXPECT_DOUBLE_EQ(record.startAngle, expected[i].degrees / 180 * pi);
        EXPECT_EQ(record.penDistance, expected[i].penPercent / 100 * 125);
        EXPECT_EQ(record.gearPosition, expected[i].position);
        EXPECT_EQ(record.color, expected[i].colour);
    }
    // The targets moved on after the pass; blue 256 counts as 255.
    EXPECT_EQ(AnimationGradient(0.0f), RGB(0, 0, 255));
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

    // A frame's gear position is the nearest whole number, halves to even.
    for (const auto &[from, position] : {std::pair{"-97.5", -98}, {"-92.5", -92}, {"2.5", 2}, {"-97.49", -97},
                                         {"-92.51", -93}, {"2.51", 3}}) {
        panel.Text7.setText(from);
        drawCount = 0;
        StepAnimation(0);
        EXPECT_EQ(drawings[0].gearPosition, position) << from;
    }
}

// On the real clock a frame's wait ends as its deadline's millisecond
// begins: the event loop is left just before it, and the rest is slept. A
// loaded machine may wake any wait late, but not every one, and none early.
TEST_F(Animation, AFramesWaitEndsAsItsDeadlineBegins)
{
    using Clock = std::chrono::steady_clock;
    animStopped = false;
    double earliest = 1e9;
    for (int wait = 0; wait < 60 && earliest >= 0.4; ++wait) {
        // The moment a tick begins, known to 20 µs: a round in which the
        // machine took the processor away at the edge is tried again.
        const std::int64_t tick = GetTickCount() + 1;
        Clock::time_point before = Clock::now();
        while (GetTickCount() < tick)
            before = Clock::now();
        const Clock::time_point begun = Clock::now();
        if (begun - before > std::chrono::microseconds(20))
            continue;
        // Waits start 0.6 ms into a tick: a wake on a whole millisecond of
        // the event loop's timer would come as late as that.
        while (Clock::now() - begun < std::chrono::microseconds(600)) {
        }
        WaitFrame(tick + 5);
        const double late = std::chrono::duration<double, std::milli>(Clock::now() - begun).count() - 5;
        ASSERT_GT(late, -0.05) << "woke before the deadline";
        earliest = std::min(earliest, late);
    }
    EXPECT_LT(earliest, 0.4) << "woke after the deadline's millisecond began";
}

TEST_F(Animation, TheEndlessFilmSurvivesClearsRetypedBoxesAndEmptyPasses)
{
    GeneratorPanel &panel = *genbox;
    panel.Check3.setValue(1);
    setRndSource([] { return 0.5f; }); // a pass of 10 frames, then passes of 1
    SurfaceRecorder recorder;
    // The frame after the clear is the list's first.
    std::vector<DrawingRecord> afterClear;
    std::size_t shownBeforeClear = 0;
    atYield(4, [&] {
        clickClear();
        shownBeforeClear = recorder.on("screeen", SurfaceOp::Polyline).size();
        atNextYield([&] { afterClear.assign(drawings.begin(), drawings.begin() + drawCount); });
    });
    atYield(5, [&] { panel.Text5.setText("north"); });
    atYield(30, clickScreen);
    animStopped = false;
    RunRandomAnimation();
    const std::vector<SurfaceOp> frames = recorder.on("screeen", SurfaceOp::Polyline);
    EXPECT_TRUE(animStopped && frames.size() >= 10);
    EXPECT_TRUE(afterClear.size() == 1 && afterClear[0].color == frames.at(shownBeforeClear).color);

    // A step larger than any change makes every pass empty: each takes a
    // frame's time, and a click still stops the film. A step of 0, or none,
    // ends it with a message.
    setRndSource({});
    panel.Text3.setText("100000");
    panel.Text10.setText("30");
    tickEvery(40);
    atYield(5, clickScreen);
    animStopped = false;
    RunRandomAnimation();
    EXPECT_TRUE(animStopped && now == 5 * 80); // each pass read the clock at its start and past its deadline
    for (const auto &[step, message] : {std::pair{"0", "step value cannot be 0"},
                                        {"fine", "the pen radius step must be a number"}}) {
        panel.Text3.setText(step);
        animStopped = false;
        RunRandomAnimation();
        EXPECT_TRUE(animStopped && errbox->Label1.caption() == message) << message;
    }
}

} // namespace

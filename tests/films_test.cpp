#include "animation/animation.h"
#include "animation/anistart.h"
#include "mainwindow/canvaswindow.h"
#include "support/fixtures.h"

#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>

namespace {

using Films = FilmTest;

// A click, Esc or the close box ends a film within a frame's wait, however
// long a frame rate near zero makes it: after a click one more frame is
// shown, after Esc or the close box none.
TEST_F(Films, AStopEndsAFilmInAWaitOfAnyLength)
{
    const struct {
        std::function<void()> stop;
        std::size_t frames;
    } stops[] = {{clickScreen, 2}, {[] { QTest::keyClick(&*screeen, Qt::Key_Escape); }, 1}, {[] { screeen->close(); }, 1}};
    for (const auto &stop : stops) {
        filmOf(3);
        genbox->Text10.setText("1e-300");
        countClockReads();
        SurfaceRecorder recorder;
        atYield(3, stop.stop); // the window's showing and the wait's first look come first
        AnimateDrawing();
        EXPECT_TRUE(reads < 1000 && animStopped);
        EXPECT_EQ(recorder.on("screeen", SurfaceOp::Polyline).size(), stop.frames);
    }
}

// When a long loop hands over to one of the other kind, the one click that
// must start or stop the loop that now runs does so; a film handed to a
// film runs on until one click stops it.
TEST_F(Films, AfterAHandoverTheNextClickActsOnTheLoopThatRuns)
{
    enum Choice { Neither, Animate, Randomate };
    const auto choose = [](Choice choice) {
        genbox->Check1.setValue(choice == Animate);
        genbox->Check3.setValue(choice == Randomate);
    };
    const auto replay = [&] {
        choose(Neither);
        clickCanvas();
    };
    const auto film = [&] {
        choose(Animate);
        AnimateDrawing();
    };
    const auto endless = [&] {
        choose(Randomate);
        animStopped = false;
        RunRandomAnimation();
    };
    const auto startFromDialog = [] { anistart->Command1.click(); };
    const struct {
        const char *name;
        std::function<void()> start;
        Choice choice;
        std::function<void()> handOver;
        void (*click)();
    } handovers[] = {{"replay to film", replay, Animate, clickScreen, clickCanvas},
                     {"replay to endless film", replay, Randomate, clickScreen, clickCanvas},
                     {"film to replay", film, Neither, clickCanvas, clickScreen},
                     {"endless film to replay", endless, Neither, clickCanvas, clickScreen},
                     {"film to endless film", film, Randomate, startFromDialog, nullptr}};
    for (const auto &handover : handovers) {
        SCOPED_TRACE(handover.name);
        filmOf(3);
        countClockReads();
        SurfaceRecorder recorder;
        atNextYield([&] {
            choose(handover.choice);
            handover.handOver();
            if (handover.choice == Randomate)
                atNextYield(clickScreen); // the endless film's first wait
        });
        handover.start();
        EXPECT_TRUE(reads < 1000 && animStopped);
        if (!handover.click) {
            EXPECT_EQ(recorder.on("screeen", SurfaceOp::Polyline).size(), 3u); // one of the film, two of the other
            continue;
        }
        EXPECT_FALSE(replaying);
        recorder.clear();
        choose(Animate);
        handover.click();
        EXPECT_EQ(recorder.on("screeen", SurfaceOp::Polyline).size(), std::size_t(drawCount)) << drawCount;
        replaying = false;
    }
}

bool screenIsFull()
{
    return screeen->windowState() == WindowState::Maximized && (screeen->windowFlags() & Qt::FramelessWindowHint);
}

// Full screen is applied when it is chosen and by the replay's way to the
// endless film; the window made anew after Esc, and the film that a replay
// with "animate" starts there, keep the designed size and border.
TEST_F(Films, FullScreenIsAppliedWhenChosenAndOnTheWayToTheEndlessFilm)
{
    GeneratorPanel &panel = *genbox;
    // Chosen before the window was ever shown: the film is centred in the
    // window as it is shown.
    panel.mnuFull.trigger();
    filmOf(1);
    SurfaceRecorder recorder;
    AnimateDrawing();
    const int W = screeen->clientPixelWidth(), H = screeen->clientPixelHeight();
    EXPECT_TRUE(screenIsFull() && W > 400);
    EXPECT_EQ(recorder.on("screeen", SurfaceOp::Polyline).at(0).points[0], QPoint(W / 2 + W / 2, H / 2));

    QTest::keyClick(&*screeen, Qt::Key_Escape);
    recorder.clear();
    clickCanvas();
    EXPECT_TRUE(fullScreen && !screenIsFull());
    EXPECT_EQ(recorder.on("screeen", SurfaceOp::Polyline).at(0).points[0], QPoint(400, 200));

    // The start dialog's way applies it, leaving the window hidden.
    screeen->hide();
    replaying = false;
    panel.Check3.setValue(1);
    clickCanvas();
    EXPECT_TRUE(screenIsFull() && !screeen->isVisible() && anistart->isVisible());

    // Leaving it gives the border and the size back; a new generator panel
    // resets the flag and its caption, and leaves the window as it is.
    panel.mnuFull.trigger();
    EXPECT_FALSE(screenIsFull());
    EXPECT_EQ(QSize(screeen->clientPixelWidth(), screeen->clientPixelHeight()), QSize(400, 400));
    panel.mnuFull.trigger();
    genbox.unload();
    EXPECT_TRUE(genbox->mnuFull.caption() == "full screen" && !fullScreen && screenIsFull());
}

// Hiding the screen window, as both "draw"s do, stops no film: the drawing
// film plays its frames unseen, the endless one shows the window again at
// its next pass, and a minimised window plays on without drawing.
TEST_F(Films, AHiddenOrMinimisedWindowsFilmGoesOnUnseen)
{
    GeneratorPanel &panel = *genbox;
    panel.Text10.setText("20"); // a meter with a scale, drawn after every frame
    tickEvery(40);
    filmOf(3);
    SurfaceRecorder recorder;
    atYield(2, clickDraw);
    AnimateDrawing();
    EXPECT_EQ(recorder.on("screeen", SurfaceOp::Polyline).size(), 1u);
    EXPECT_EQ(recorder.on("meter", SurfaceOp::FillBox).size(), 3u);
    EXPECT_TRUE(animStopped && drawCount == 4 && !screeen->isVisible());

    // Passes of 10 frames and then of 1: the draw in the third frame's wait
    // hides the frames up to the pass's end, and the next passes show them.
    setRndSource([] { return 0.5f; });
    panel.Check3.setValue(1);
    recorder.clear();
    atYield(4, clickDraw);
    atYield(15, clickScreen);
    animStopped = false;
    RunRandomAnimation();
    EXPECT_EQ(recorder.on("screeen", SurfaceOp::Polyline).size(), 3u + 3u);
    EXPECT_TRUE(screeen->isVisible() && animStopped);

    panel.Check1.setValue(1);
    filmOf(3);
    screeen->showMinimized();
    recorder.clear();
    AnimateDrawing();
    EXPECT_TRUE(recorder.on("screeen", SurfaceOp::Polyline).empty() && recorder.on("meter", SurfaceOp::FillBox).size() == 3);
}

// Where the window system puts the screen window's client area, once it
// is there: a busy window manager may take its time.
QPoint screenSettlesAt(QPoint expected)
{
    QPoint at;
    for (int tries = 0; tries < 60 && at != expected; ++tries) {
        QTest::qWait(50);
        QProcess info;
        info.start("xwininfo", {"-id", QString::number(screeen->winId())});
        info.waitForFinished();
        const QString text = QString::fromLocal8Bit(info.readAllStandardOutput());
        const auto value = [&](const char *name) {
            return QRegularExpression(QString(name) + R"(:\s*(-?\d+))").match(text).captured(1).toInt();
        };
        at = QPoint(value("Absolute upper-left X"), value("Absolute upper-left Y"));
    }
    return at;
}

// A window manager places a window by its frame: leaving full screen puts
// the window back where it was, however often the user switches.
TEST_F(Films, FullScreenUnderAWindowManagerComesBackWhereItWas)
{
    if (QGuiApplication::platformName() != "xcb")
        GTEST_SKIP() << "needs a window manager";
    screeen->showOnScreen();
    const QPoint before = screenSettlesAt(QPoint(332, 56));
    for (int cycle = 0; cycle < 3; ++cycle) {
        genbox->mnuFull.trigger();
        EXPECT_EQ(screenSettlesAt(QPoint(0, 0)), QPoint(0, 0));
        genbox->mnuFull.trigger();
        EXPECT_EQ(screenSettlesAt(before), before);
    }
    // Chosen for a window not yet shown: it comes back where it shows first.
    screeen.unload();
    genbox->mnuFull.trigger();
    screeen->showOnScreen();
    EXPECT_EQ(screenSettlesAt(QPoint(0, 0)), QPoint(0, 0));
    genbox->mnuFull.trigger();
    EXPECT_EQ(screenSettlesAt(before), before);
}

} // namespace

#include "animation/anistart.h"
#include "animation/animation.h"
#include "filmtest.h"
#include "mainwindow/canvaswindow.h"

#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {

class Films : public FilmTest
{
protected:
    // A film that no click stops would run for ever: a clock that counts
    // its reads stops it after a thousand, and the test then fails.
    void countClockReads()
    {
        reads = 0;
        setTickSource([this] {
            if (++reads == 1000)
                animStopped = true;
            return now;
        });
    }
    int reads = 0;
};

// A frame rate near zero makes a frame's wait all but endless; a click,
// Esc or the close box still ends the film within it.
TEST_F(Films, AStopEndsAFilmInAWaitOfAnyLength)
{
    const std::function<void()> stops[] = {clickScreen, [] { QTest::keyClick(&*screeen, Qt::Key_Escape); },
                                           [] { screeen->close(); }};
    for (const std::function<void()> &stop : stops) {
        filmOf(3);
        genbox->Text10.setText("1e-300");
        countClockReads();
        SurfaceRecorder recorder;
        // The first yields show the window and start the first frame's wait.
        atYield(3, stop);
        AnimateDrawing();
        EXPECT_LT(reads, 1000);
        EXPECT_TRUE(animStopped);
    }
    genbox->Check3.setValue(1);
    countClockReads();
    atYield(3, clickScreen);
    animStopped = false;
    RunRandomAnimation();
    EXPECT_LT(reads, 1000);
}

// When one long loop hands over to one of the other kind, the one click
// that must start or stop the loop now running does so.
TEST_F(Films, AfterAHandoverTheNextClickActsOnTheLoopThatRuns)
{
    GeneratorPanel &panel = *genbox;
    const auto playFilm = [] { AnimateDrawing(); };
    const auto playEndless = [&] {
        panel.Check3.setValue(1);
        animStopped = false;
        RunRandomAnimation();
    };
    const auto replayOnCanvas = [&] {
        panel.Check1.setValue(0);
        panel.Check3.setValue(0);
        clickCanvas();
    };
    const auto startFilmOnScreen = [&] {
        panel.Check1.setValue(1);
        clickScreen();
    };
    const auto startEndlessOnScreen = [&] {
        panel.Check3.setValue(1);
        clickScreen();
        atNextYield(clickScreen); // the endless film's first wait: stop
    };
    const auto startEndlessFromDialog = [&] {
        panel.Check3.setValue(1);
        anistart->Command1.click();
        atNextYield(clickScreen);
    };
    // After each, one click: on the canvas with "animate" checked (a film
    // of the list), or in the screen window with it checked (the same).
    const auto filmByCanvasClick = [&] {
        panel.Check3.setValue(0);
        panel.Check1.setValue(1);
        clickCanvas();
    };
    const auto filmByScreenClick = [&] {
        panel.Check3.setValue(0);
        panel.Check1.setValue(1);
        clickScreen();
    };
    const struct {
        const char *name;
        std::function<void()> start, handOver, click;
        std::size_t frames; // in the film the click starts
    } handovers[] = {
        {"replay to film", replayOnCanvas, startFilmOnScreen, filmByCanvasClick, 3},
        {"replay to endless film", replayOnCanvas, startEndlessOnScreen, filmByCanvasClick, 0},
        {"film to replay", playFilm, replayOnCanvas, filmByScreenClick, 0},
        {"endless film to replay", playEndless, replayOnCanvas, filmByScreenClick, 0},
    };
    for (const auto &handover : handovers) {
        SCOPED_TRACE(handover.name);
        filmOf(3);
        panel.Check1.setValue(0);
        countClockReads();
        atNextYield(handover.handOver);
        handover.start();
        EXPECT_LT(reads, 1000);
        EXPECT_FALSE(replaying);
        EXPECT_TRUE(animStopped);
        SurfaceRecorder recorder;
        handover.click();
        EXPECT_EQ(frames(recorder).size(), std::size_t(drawCount));
        EXPECT_GT(drawCount, 0);
        replaying = false;
    }

    // A film handed to a film: the click stops the endless film at once.
    filmOf(3);
    countClockReads();
    SurfaceRecorder recorder;
    atNextYield(startEndlessFromDialog);
    AnimateDrawing();
    EXPECT_LT(reads, 1000);
    EXPECT_EQ(frames(recorder).size(), 3u); // one of the film, two of the endless one
}

TEST_F(Films, TheScreenWindowTakesTheFullScreenStateWheneverItIsLoadedOrShown)
{
    GeneratorPanel &panel = *genbox;
    const auto expectFullScreen = [](bool full) {
        EXPECT_EQ(screeen->isMaximized(), full);
        EXPECT_EQ(bool(screeen->windowFlags() & Qt::FramelessWindowHint), full);
    };
    // Chosen before the window was ever shown, and again after Esc has
    // closed it: the film is centred in the window as it is shown.
    panel.mnuFull.trigger();
    for (int showing = 0; showing < 2; ++showing) {
        filmOf(1);
        SurfaceRecorder recorder;
        AnimateDrawing();
        expectFullScreen(true);
        const int W = screeen->clientPixelWidth(), H = screeen->clientPixelHeight();
        ASSERT_EQ(frames(recorder).size(), 1u);
        EXPECT_EQ(frames(recorder)[0].points[0], QPoint(W / 2 + W / 4 / zoomFactor * 500 / 1000, H / 2));
        EXPECT_EQ(panel.mnuFull.caption(), "normal screen");
        QTest::keyClick(&*screeen, Qt::Key_Escape);
    }
    // The replay's way to the endless film makes it full screen as well.
    panel.Check3.setValue(1);
    clickCanvas();
    expectFullScreen(true);
    EXPECT_FALSE(screeen->isVisible());
    QTest::mouseClick(&anistart->Command2, Qt::LeftButton);

    // Back to normal: the border and the size from before. A new generator
    // panel starts with normal screen, and the window follows.
    panel.mnuFull.trigger();
    expectFullScreen(false);
    EXPECT_EQ(screeen->size(), QSize(400, 400));
    panel.mnuFull.trigger();
    genbox.unload();
    EXPECT_EQ(genbox->mnuFull.caption(), "full screen");
    expectFullScreen(false);
}

// Hiding the screen window stops its film, as Esc does, but leaves it
// loaded; a minimised window plays on without drawing.
TEST_F(Films, AFilmNobodyCanSeeStopsOrDrawsNothing)
{
    GeneratorPanel &panel = *genbox;
    filmOf(3);
    SurfaceRecorder recorder;
    atYield(2, clickDraw);
    AnimateDrawing();
    EXPECT_TRUE(animStopped);
    EXPECT_TRUE(screeen.isLoaded());
    EXPECT_EQ(frames(recorder).size(), 1u);

    // The generator's "draw" that opens the endless film's start dialog
    // hides the window too: the running film ends although the dialog arms
    // the next one.
    panel.Check3.setValue(1);
    countClockReads();
    atYield(2, [&] { QTest::mouseClick(&panel.Command1, Qt::LeftButton); });
    animStopped = false;
    RunRandomAnimation();
    EXPECT_LT(reads, 1000);
    EXPECT_TRUE(anistart->isVisible());
    EXPECT_FALSE(animStopped);

    filmOf(3);
    panel.Text10.setText("30");
    tickEvery(40);
    screeen->show();
    screeen->showMinimized();
    recorder.clear();
    AnimateDrawing();
    EXPECT_TRUE(frames(recorder).empty());
    int bars = 0;
    for (const SurfaceOp &op : recorder.on("meter"))
        bars += op.kind == SurfaceOp::FillBox;
    EXPECT_EQ(bars, 3);
}

// Where the window system has put the screen window's client area.
QPoint screenOnTheDisplay()
{
    QProcess info;
    info.start("xwininfo", {"-id", QString::number(screeen->winId())});
    info.waitForFinished();
    const QString text = QString::fromLocal8Bit(info.readAllStandardOutput());
    const auto value = [&](const char *name) {
        return QRegularExpression(QString(name) + R"(:\s*(-?\d+))").match(text).captured(1).toInt();
    };
    return QPoint(value("Absolute upper-left X"), value("Absolute upper-left Y"));
}

// A window manager places a window by its frame: leaving full screen puts
// the window back where it was, however often the user switches.
TEST_F(Films, FullScreenUnderAWindowManagerComesBackWhereItWas)
{
    if (QGuiApplication::platformName() != "xcb")
        GTEST_SKIP() << "needs a window manager";
    screeen->showOnScreen();
    QTest::qWait(300);
    const QPoint before = screenOnTheDisplay();
    for (int cycle = 0; cycle < 3; ++cycle) {
        genbox->mnuFull.trigger();
        QTest::qWait(300);
        EXPECT_EQ(screenOnTheDisplay(), QPoint(0, 0));
        genbox->mnuFull.trigger();
        QTest::qWait(300);
    }
    EXPECT_EQ(screenOnTheDisplay(), before);
}

} // namespace

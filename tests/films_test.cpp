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

TEST_F(Films, TheScreenWindowTakesTheFullScreenStateWheneverItIsLoadedOrShown)
{
    GeneratorPanel &panel = *genbox;
    const auto expectFullScreen = [](bool full) {
        EXPECT_EQ((std::vector{screeen->windowState() == WindowState::Maximized,
                               bool(screeen->windowFlags() & Qt::FramelessWindowHint)}),
                  std::vector<bool>(2, full));
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
        EXPECT_EQ(recorder.on("screeen", SurfaceOp::Polyline).at(0).points[0], QPoint(W / 2 + W / 2, H / 2));
        EXPECT_EQ(panel.mnuFull.caption(), "normal screen");
        QTest::keyClick(&*screeen, Qt::Key_Escape);
    }
    // The replay's way to the endless film makes it full screen as well.
    panel.Check3.setValue(1);
    clickCanvas();
    expectFullScreen(true);
    EXPECT_FALSE(screeen->isVisible());

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
    EXPECT_TRUE(animStopped && screeen.isLoaded());
    EXPECT_EQ(recorder.on("screeen", SurfaceOp::Polyline).size(), 1u);

    // The generator's "draw" that opens the endless film's start dialog
    // hides the window too: the running film ends within its wait, however
    // long, although the dialog arms the next one.
    panel.Check3.setValue(1);
    panel.Text10.setText("1e-300");
    countClockReads();
    atYield(2, [&] { QTest::mouseClick(&panel.Command1, Qt::LeftButton); });
    animStopped = false;
    RunRandomAnimation();
    EXPECT_TRUE(reads < 1000 && anistart->isVisible() && !animStopped);

    filmOf(3);
    panel.Text10.setText("30");
    tickEvery(40);
    screeen->show();
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

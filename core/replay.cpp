#include "module1.h"

#include "animation/animation.h"
#include "animation/anistart.h"
#include "animation/screenwindow.h"
#include "generator/generatorpanel.h"
#include "longloop.h"
#include "mainwindow/canvaswindow.h"
#include "platform/system.h"

namespace {
void replayList()
{
    // A replay stopped by a click after it was asked for does not start.
    if (!replaying)
        return;
    // The bound is taken once: drawings made or a clear done during the
    // replay do not change how far it goes. A replay asked for while this
    // one runs (a resize, a click that stops and restarts it, a re-created
    // canvas) starts again from the first record in its place.
    const int last = drawCount - 1;
    for (int i = 0; i <= last; ++i) {
        DrawCurve(std::int16_t(i));
        DoEvents();
        if (!replaying || LoopHandedOver())
            return;
    }
    replaying = false;
}

void startReplay()
{
    replaying = true;
    RunLongLoop(LongLoop::Replay, &replayList);
}
} // namespace

void Replay()
{
    canvas->surface().clear();
    // The generator's "animate" box, and after it "randomate", choose an
    // animation in place of the list; only the value 1 counts as checked.
    if (genbox->Check1.value() == 1) {
        AnimateDrawing();
        return;
    }
    if (genbox->Check3.value() == 1) {
        animStopped = false;
        if (fullScreen)
            screeen->enterFullScreen();
        anistart->show();
        return;
    }
    startReplay();
}

void ReplayDrawingList()
{
    canvas->surface().clear();
    startReplay();
}

void canvas_Click()
{
    if (replaying) {
        // The running replay sees this after its current curve and stops.
        replaying = false;
    } else {
        replaying = true;
        Replay();
    }
}

#include "module1.h"

#include "generator/generatorpanel.h"
#include "mainwindow/canvaswindow.h"
#include "platform/system.h"

namespace {
// One replay of the list runs at a time. A replay asked for while it runs
// (a resize, a click that stops and restarts it, a re-created canvas)
// restarts it from the first record instead of running a second one inside
// its yield: a stream of such events then costs no stack.
bool loopRunning = false;
bool restartAsked = false;

void replayList()
{
    replaying = true;
    if (loopRunning) {
        restartAsked = true;
        return;
    }
    loopRunning = true;
    // The bound is taken once per pass: drawings made or a clear done during
    // the replay do not change how far it goes.
    int last = drawCount - 1;
    for (int i = 0; i <= last; ++i) {
        DrawCurve(std::int16_t(i));
        DoEvents();
        if (!replaying)
            break;
        if (restartAsked) {
            restartAsked = false;
            last = drawCount - 1;
            i = -1;
        }
    }
    loopRunning = false;
    restartAsked = false;
    replaying = false;
}
} // namespace

void Replay()
{
    canvas->surface().clear();
    // The generator's "animate" box, and after it its "randomate" box,
    // choose an animation in place of the list; only the value 1 counts as
    // checked. Reading them loads the generator panel, whose load sets the
    // animation options. The animations play in the screen window, which is
    // still to come; until then both choices show the list.
    [[maybe_unused]] const bool animationChosen = genbox->Check1.value() == 1 || genbox->Check3.value() == 1;
    replayList();
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

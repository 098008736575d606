#include "module1.h"

#include "mainwindow/canvaswindow.h"
#include "platform/system.h"

void Replay()
{
    canvas->surface().clear();
    replaying = true;
    // The bound is taken once: drawings made or a clear done during the
    // replay do not change how far it goes.
    const int last = drawCount - 1;
    for (int i = 0; i <= last; ++i) {
        DrawCurve(std::int16_t(i));
        DoEvents();
        if (!replaying)
            return;
    }
    replaying = false;
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

#include "animation.h"

#include "core/longloop.h"
#include "core/module1.h"
#include "frame.h"
#include "generator/generatorpanel.h"
#include "platform/system.h"

namespace {
void playDrawing()
{
    animStopped = false;
    // Read once: a window resized during the film keeps its old centre and
    // scale until the next start.
    const ScreenSize size = OpenScreen();
    // Showing the window handles events: a film stopped or handed over
    // meanwhile shows none of the list it started with.
    if (!FilmGoesOn())
        return;
    // Records added or a clear made during the film do not change how many
    // frames it has.
    const int frames = drawCount;
    for (int i = 0; i < frames; ++i) {
        const FrameTiming timing = StartFrame();
        TraceDrawingFrame(std::int16_t(i));
        DrawFrame(std::int16_t(i), size);
        if (!FinishFrame(timing))
            return;
    }
    // The next click in the screen window plays the film again.
    if (genbox->Check1.value() == 1)
        animStopped = true;
}
} // namespace

void AnimateDrawing()
{
    RunLongLoop(LongLoop::Film, &playDrawing);
}

#include "frame.h"

#include "animation.h"
#include "core/curvetrace.h"
#include "core/longloop.h"
#include "core/module1.h"
#include "generator/generatorpanel.h"
#include "platform/numbers.h"
#include "platform/system.h"
#include "screenwindow.h"

#include <cmath>

void TraceDrawingFrame(std::int16_t index)
{
    const DrawingRecord record = drawings.at(index);
    const auto store = [](double x, double y) {
        framePoints.at(lastFramePoint) = QPoint(nearestWithin<int>(x), nearestWithin<int>(y));
    };
    lastFramePoint = 0;
    if (!CanTraceCurve(record, FrameSampling)) {
        framePoints[0] = QPoint(0, 0);
        return;
    }
    // The last point is the sample that ended the loop, not the start.
    TraceCurve(
        record, FrameSampling,
        [&](double x, double y) {
            store(x, y);
            lastFramePoint = 1;
        },
        [&](double x, double y) {
            store(x, y);
            lastFramePoint = std::int16_t(lastFramePoint + 1);
        },
        store);
}

ScreenSize OpenScreen()
{
    ScreenWindow &window = *screeen;
    window.setBackColor(RGB(0, 0, 0));
    // The size is read once the window is on the screen, maximised if it is
    // to be: before, it is the size it had while hidden.
    window.showOnScreen();
    window.surface().selectPen(PlaceholderPen);
    return {float(window.clientPixelWidth()), float(window.clientPixelHeight())};
}

void MapFramePoints(ScreenSize size)
{
    const float W = size.W, H = size.H;
    // Both axes take their scale from the width: the window's width spans
    // 4000 x zoomFactor canvas units, and the height only centres.
    for (int j = 0; j <= lastFramePoint; ++j) {
        QPoint &point = framePoints[j];
        point = QPoint(nearestWithin<int>(W / 2.0 + ((point.x() * double(W)) / 4000) / zoomFactor),
                       nearestWithin<int>(H / 2.0 + ((point.y() * double(W)) / 4000) / zoomFactor));
    }
}

Pen FramePen(std::int16_t index)
{
    return {penWidth, drawings.at(index).color};
}

void DrawFrame(std::int16_t index, ScreenSize size)
{
    ScreenWindow *window = screeen.loaded();
    if (!window || !window->showsFrames())
        return;
    MapFramePoints(size);
    Surface &surface = window->surface();
    surface.selectPen(FramePen(index));
    // The clear comes as late as it can: the last frame stays on the
    // screen while this one is computed.
    surface.clear();
    surface.polyline(framePoints.data(), lastFramePoint + 1);
    surface.selectPen(PlaceholderPen);
}

bool FilmGoesOn()
{
    return !animStopped && !LoopHandedOver();
}

void WaitFrame(std::int64_t deadline)
{
    DoEvents();
    while (GetTickCount() < deadline && FilmGoesOn())
        WaitForEventsUntil(deadline);
}

FrameTiming StartFrame()
{
    const std::int64_t start = GetTickCount();
    return {start, nearestWithin<std::int64_t>(double(start) + frameDelay)};
}

namespace {
// Shows the frames per second reached against the chosen rate, which is
// the meter's full width.
void drawMeter(std::int64_t start)
{
    GeneratorPanel *panel = genbox.loaded();
    if (!panel)
        return;
    const double milliseconds = double(GetTickCount()) - double(start);
    // A frame that took no time has no rate.
    if (milliseconds == 0)
        return;
    Surface &meter = panel->meter.surface();
    meter.clear();
    const double rate = std::floor(1000 / milliseconds + 0.5);
    // Before a frame rate has been chosen the meter has no scale, and no bar.
    if (meter.hasUserScale())
        meter.fillBox(0, 0, float(rate), 1, RGB(0, 0, 255));
}
} // namespace

bool FinishFrame(FrameTiming timing)
{
    if (!FilmGoesOn())
        return false;
    WaitFrame(timing.deadline);
    // A stop during the wait still lets the next frame be drawn; a loop
    // handed over runs now.
    if (LoopHandedOver())
        return false;
    if (meterOn)
        drawMeter(timing.start);
    return true;
}

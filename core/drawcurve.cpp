#include "curvetrace.h"
#include "module1.h"

#include "mainwindow/canvaswindow.h"

#include <algorithm>
#include <limits>

namespace {
// The canvas takes single-precision coordinates. A typed pen distance can
// put a curve beyond their range, where the conversion would be undefined;
// such points are drawn at the edge of the range instead.
float toSingle(double value)
{
    constexpr double largest = std::numeric_limits<float>::max();
    return float(std::clamp(value, -largest, largest));
}
} // namespace

void DrawCurve(std::int16_t index)
{
    const DrawingRecord record = drawings.at(index);
    if (!CanTraceCurve(record))
        return;
    // The canvas is shown before the first point is set: a canvas created
    // anew rescales and replays the list as it appears, which would leave
    // the current point elsewhere.
    CanvasWindow &window = *canvas;
    window.show();
    TraceCurveOn(window.surface(), record);
}

void TraceCurveOn(Surface &surface, const DrawingRecord &record)
{
    if (!CanTraceCurve(record))
        return;
    TraceCurve(
        record, [&](double x, double y) { surface.moveTo(toSingle(x), toSingle(y)); },
        [&](double x, double y) { surface.lineTo(toSingle(x), toSingle(y), record.color); });
}

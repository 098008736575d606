#include "curvetrace.h"
#include "module1.h"

#include "mainwindow/canvaswindow.h"

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
        record, [&](double x, double y) { surface.moveTo(ToCanvasCoordinate(x), ToCanvasCoordinate(y)); },
        [&](double x, double y) { surface.lineTo(ToCanvasCoordinate(x), ToCanvasCoordinate(y), record.color); });
}

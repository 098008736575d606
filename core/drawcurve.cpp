#include "module1.h"

#include "mainwindow/canvaswindow.h"

#include <cmath>

namespace {
// Curves from the panels close after at most 24000 segments. With a pen
// distance so large that rounding moves the closing sample by more than the
// step, the closing test would never pass; the tracer gives up there.
constexpr int MaxSegments = 1 << 20;
} // namespace

void DrawCurve(std::int16_t index)
{
    const DrawingRecord record = drawings.at(index);
    const double R = record.statRadius;
    const double r = record.rotRadius;
    const double d = record.penDistance;
    const double a0 = record.startAngle;
    const std::int16_t pos = record.gearPosition;
    // The step below divides by r and by Int(40 R / r); the panels never give
    // such a record, and tracing one would never end.
    if (!(r > 0) || !(40 * R / r >= 1))
        return;

    // The canvas is shown before the first point is set: a canvas created
    // anew rescales and replays the list as it appears, which would leave
    // the current point elsewhere.
    CanvasWindow &window = *canvas;
    window.show();
    Surface &surface = window.surface();

    const double g = pos / 100.0;
    const double C = R + g * r;
    double theta = a0;
    const double X0 = (C + d) * std::cos(theta);
    const double Y0 = (C + d) * std::sin(theta);
    surface.line(float(X0), float(Y0), float(X0), float(Y0));

    const double n = std::floor(40 * R / r);
    double s = pi / n;
    if (s > pi / 100)
        s = pi / 100;
    theta = theta + s;
    const double k = pos > 0 ? R / r : (-R) / r;
    double phi = k * s + a0;
    double X = C * std::cos(theta) + d * std::cos(phi);
    double Y = C * std::sin(theta) + d * std::sin(phi);
    for (int segments = 1; std::sqrt((X - X0) * (X - X0) + (Y - Y0) * (Y - Y0)) > s && segments < MaxSegments;
         ++segments) {
        surface.lineTo(float(X), float(Y), record.color);
        theta = theta + s;
        phi = k * (theta - a0) + a0;
        X = C * std::cos(theta) + d * std::cos(phi);
        Y = C * std::sin(theta) + d * std::sin(phi);
    }
    surface.lineTo(float(X0), float(Y0), record.color);
}

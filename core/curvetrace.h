#pragma once

// The arithmetic of one drawing's curve, shared by the canvas tracer and
// the metafile export so that both draw the very same curve: the gear of
// radius r rolls around the one of radius R, and the pen at distance d from
// its centre is sampled one step of the rolling angle at a time until a
// sample comes back within one step of the start point.

#include "module1.h"

#include <cmath>

// Curves from the panels close after at most 24000 segments. With a pen
// distance so large that rounding moves the closing sample by more than the
// step, the closing test would never pass; tracing gives up there.
inline constexpr int MaxCurveSegments = 1 << 20;

// The step divides by r and by Int(40 R / r); a record for which either is
// zero could never be traced. The panels never make one.
inline bool CanTraceCurve(const DrawingRecord &record)
{
    return record.rotRadius > 0 && 40 * record.statRadius / record.rotRadius >= 1;
}

// Calls startAt(X0, Y0) with the start point, lineTo(x, y) for every sample
// before the closing test passes, then lineTo(X0, Y0) to close the curve.
// The record must pass CanTraceCurve.
template <typename StartAt, typename LineTo>
void TraceCurve(const DrawingRecord &record, StartAt startAt, LineTo lineTo)
{
    const double R = record.statRadius;
    const double r = record.rotRadius;
    const double d = record.penDistance;
    const double a0 = record.startAngle;
    const std::int16_t pos = record.gearPosition;

    const double g = pos / 100.0;
    const double C = R + g * r;
    double theta = a0;
    const double X0 = (C + d) * std::cos(theta);
    const double Y0 = (C + d) * std::sin(theta);
    startAt(X0, Y0);

    const double n = std::floor(40 * R / r);
    double s = pi / n;
    if (s > pi / 100)
        s = pi / 100;
    theta = theta + s;
    // Gear position 0 counts as inside.
    const double k = pos > 0 ? R / r : (-R) / r;
    double phi = k * s + a0;
    double X = C * std::cos(theta) + d * std::cos(phi);
    double Y = C * std::sin(theta) + d * std::sin(phi);
    for (int segments = 1; std::sqrt((X - X0) * (X - X0) + (Y - Y0) * (Y - Y0)) > s && segments < MaxCurveSegments;
         ++segments) {
        lineTo(X, Y);
        theta = theta + s;
        phi = k * (theta - a0) + a0;
        X = C * std::cos(theta) + d * std::cos(phi);
        Y = C * std::sin(theta) + d * std::sin(phi);
    }
    lineTo(X0, Y0);
}

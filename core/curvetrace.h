#pragma once

// The arithmetic of one drawing's curve, shared by the canvas tracer, the
// metafile export and the animation frames so that all draw the very same
// curve: the gear of radius r rolls around the one of radius R, and the pen
// at distance d from its centre is sampled one step of the rolling angle at
// a time until a sample comes back within one step of the start point.

#include "module1.h"

#include <algorithm>
#include <cmath>
#include <limits>

// How finely a curve is sampled: Int(perRatio x R / r) steps per half
// turn, at least minimum, and at most maxSegments segments in all.
struct Sampling {
    double perRatio;
    double minimum;
    int maxSegments;
};

// The canvas and the metafile. Curves from the panels close after at most
// 24000 segments; with a pen distance so large that rounding moves the
// closing sample by more than the step, the closing test would never pass,
// and tracing gives up at the cap.
inline constexpr Sampling CanvasSampling{40, 100, 1 << 20};
// Animation frames: half as many samples, at most 20001 points.
inline constexpr Sampling FrameSampling{20, 25, 20000};

// The step divides by r and by Int(perRatio R / r); a record for which
// either is zero could never be traced. The panels never make one.
inline bool CanTraceCurve(const DrawingRecord &record, Sampling sampling = CanvasSampling)
{
    return record.rotRadius > 0 && sampling.perRatio * record.statRadius / record.rotRadius >= 1;
}

// The distance from the centre to the rolling gear's centre: R - r fully
// inside, R on the rim, R + r fully outside.
inline double CentreDistance(const DrawingRecord &record)
{
    const double g = record.gearPosition / 100.0;
    return record.statRadius + g * record.rotRadius;
}

// How far from the centre the curve can reach: the pen at its distance
// beyond the rolling gear's centre.
inline double CurveReach(const DrawingRecord &record)
{
    return std::abs(CentreDistance(record)) + std::abs(record.penDistance);
}

// The canvas takes single-precision coordinates. A typed pen distance can
// put a curve beyond their range, where the conversion would be undefined;
// such points are drawn at the edge of the range instead.
inline float ToCanvasCoordinate(double value)
{
    constexpr double largest = std::numeric_limits<float>::max();
    return float(std::clamp(value, -largest, largest));
}

// Calls startAt(X0, Y0) with the start point, lineTo(x, y) for every sample
// before the closing test passes, then end(x, y) with the sample that ended
// the loop. The record must pass CanTraceCurve.
template <typename StartAt, typename LineTo, typename End>
void TraceCurve(const DrawingRecord &record, Sampling sampling, StartAt startAt, LineTo lineTo, End end)
{
    const double R = record.statRadius;
    const double r = record.rotRadius;
    const double d = record.penDistance;
    const double a0 = record.startAngle;
    const std::int16_t pos = record.gearPosition;

    const double C = CentreDistance(record);
    double theta = a0;
    const double X0 = (C + d) * std::cos(theta);
    const double Y0 = (C + d) * std::sin(theta);
    startAt(X0, Y0);

    const double n = std::floor(sampling.perRatio * R / r);
    double s = pi / n;
    if (s > pi / sampling.minimum)
        s = pi / sampling.minimum;
    theta = theta + s;
    // Gear position 0 counts as inside.
    const double k = pos > 0 ? R / r : (-R) / r;
    double phi = k * s + a0;
    double X = C * std::cos(theta) + d * std::cos(phi);
    double Y = C * std::sin(theta) + d * std::sin(phi);
    for (int segments = 1;
         std::sqrt((X - X0) * (X - X0) + (Y - Y0) * (Y - Y0)) > s && segments < sampling.maxSegments; ++segments) {
        lineTo(X, Y);
        theta = theta + s;
        phi = k * (theta - a0) + a0;
        X = C * std::cos(theta) + d * std::cos(phi);
        Y = C * std::sin(theta) + d * std::sin(phi);
    }
    end(X, Y);
}

// The canvas's and the metafile's curve: closed by a line back to the start
// point in place of the sample that ended the loop.
template <typename StartAt, typename LineTo>
void TraceCurve(const DrawingRecord &record, StartAt startAt, LineTo lineTo)
{
    double X0 = 0, Y0 = 0;
    TraceCurve(
        record, CanvasSampling,
        [&](double x, double y) {
            X0 = x;
            Y0 = y;
            startAt(x, y);
        },
        lineTo, [&](double, double) { lineTo(X0, Y0); });
}

// DrawCurve on the real canvas beside its lower bound: the same samples
// computed alone, then drawn on an image of the canvas's size with one
// polyline call.

#include "testsupport.h"
#include "mainwindow/canvaswindow.h"

#include <QPainter>
#include <QPolygonF>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {

const DrawingRecord startUpCurve = panelRecord(100, 40, 100, 0, -100); // 400 segments
const DrawingRecord longestCurve = panelRecord(119, 120, 50, 0, -100); // 24000 segments

void BM_DrawCurve(benchmark::State &state, const DrawingRecord &record)
{
    startProgram();
    drawings[0] = record;
    Surface &surface = canvas->surface();
    for (auto _ : state) {
        DrawCurve(0);
        benchmark::DoNotOptimize(surface.image()); // every segment on the picture
    }
}

// The tracer's sampling and closing test, gathering pixel positions of the
// canvas's 1000-unit square.
QPolygonF samples(const DrawingRecord &record, QSizeF pixels)
{
    const double R = record.statRadius, r = record.rotRadius, d = record.penDistance, a0 = record.startAngle;
    const double C = R + record.gearPosition / 100.0 * r;
    const double s = pi / std::max(std::floor(40 * R / r), 100.0);
    const double k = record.gearPosition > 0 ? R / r : -R / r;
    const double xScale = pixels.width() / 1000, yScale = pixels.height() / 1000;
    const auto toPixel = [&](double x, double y) { return QPointF((float(x) + 500) * xScale, (float(y) + 500) * yScale); };
    const double X0 = (C + d) * std::cos(a0), Y0 = (C + d) * std::sin(a0);
    QPolygonF points{toPixel(X0, Y0)};
    for (double theta = a0 + s;; theta += s) {
        const double phi = k * (theta - a0) + a0;
        const double X = C * std::cos(theta) + d * std::cos(phi), Y = C * std::sin(theta) + d * std::sin(phi);
        if (std::hypot(X - X0, Y - Y0) <= s)
            break;
        points.append(toPixel(X, Y));
    }
    points.append(points.front());
    return points;
}

void BM_LowerBound(benchmark::State &state, const DrawingRecord &record)
{
    startProgram();
    QImage image(canvas->clientPixelWidth(), canvas->clientPixelHeight(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPen pen(QColor(192, 0, 0));
    pen.setCosmetic(true);
    for (auto _ : state) {
        const QPolygonF points = samples(record, image.size());
        QPainter painter(&image);
        painter.setPen(pen);
        painter.drawPolyline(points);
    }
}

BENCHMARK_CAPTURE(BM_DrawCurve, startUp400, startUpCurve)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_LowerBound, startUp400, startUpCurve)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DrawCurve, longest24000, longestCurve)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_LowerBound, longest24000, longestCurve)->Unit(benchmark::kMicrosecond);

} // namespace

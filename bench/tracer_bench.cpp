// DrawCurve on the real canvas beside its lower bound: the same samples
// computed alone, then drawn on an image of the canvas's size with one
// polyline call. And one update of the curve's preview beside DrawCurve,
// each until the canvas has painted it.

#include "testsupport.h"
#include "core/curvetrace.h"
#include "mainwindow/canvaswindow.h"
#include "mainwindow/mainpanel.h"

#include <QPainter>
#include <benchmark/benchmark.h>
#include <vector>

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

// The tracer's samples, as pixel positions of the canvas's 1000-unit square,
// gathered in the cheapest container.
std::vector<QPointF> samples(const DrawingRecord &record, QSizeF pixels)
{
    const double xScale = pixels.width() / 1000, yScale = pixels.height() / 1000;
    std::vector<QPointF> points;
    const auto append = [&](double x, double y) { points.emplace_back((float(x) + 500) * xScale, (float(y) + 500) * yScale); };
    TraceCurve(record, append, append);
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
        const std::vector<QPointF> points = samples(record, image.size());
        QPainter painter(&image);
        painter.setPen(pen);
        painter.drawPolyline(points.data(), int(points.size()));
    }
}

void BM_DrawCurveShown(benchmark::State &state, const DrawingRecord &record)
{
    startProgram();
    drawings[0] = record;
    for (auto _ : state) {
        DrawCurve(0);
        canvas->client().repaint();
    }
}

// The typed start angle goes from 0 to 360 and back: the same curve, as
// the preview of the panel set to the longest one.
void BM_PreviewUpdate(benchmark::State &state)
{
    startProgram();
    MainPanel &panel = *Form1;
    panel.VScroll1.setValue(119);
    panel.VScroll2.setValue(120);
    panel.VScroll3.setValue(50);
    panel.previewcurve.trigger();
    bool turned = false;
    for (auto _ : state) {
        panel.Text4.setText((turned = !turned) ? "360" : "0");
        panel.preview.refresh();
        canvas->client().repaint();
    }
    panel.previewcurve.trigger(); // the settings as they were
}

BENCHMARK_CAPTURE(BM_DrawCurve, startUp400, startUpCurve)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_LowerBound, startUp400, startUpCurve)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DrawCurve, longest24000, longestCurve)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_LowerBound, longest24000, longestCurve)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DrawCurveShown, longest24000, longestCurve)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PreviewUpdate)->Unit(benchmark::kMicrosecond);

} // namespace

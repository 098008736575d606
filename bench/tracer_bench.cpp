// DrawCurve on the real canvas beside its lower bound: the same samples
// computed alone, then drawn on an image of the canvas's size with one
// polyline call. And one update of the curve's preview beside DrawCurve,
// each until the canvas has painted it.

#include "testsupport.h"
#include "core/curvetrace.h"
#include "mainwindow/canvaswindow.h"
#include "mainwindow/mainpanel.h"

#include <QElapsedTimer>
#include <QPainter>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

const DrawingRecord startUpCurve = panelRecord(100, 40, 100, 0, -100); // 400 segments
const DrawingRecord longestCurve = panelRecord(119, 120, 50, 0, -100); // 24000 segments

void drawCurve(Surface &surface)
{
    DrawCurve(0);
    benchmark::DoNotOptimize(surface.image()); // every segment on the picture
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

// The bound's picture: an image of the canvas's size and a one-pixel pen.
struct BoundPicture {
    QImage image;
    QPen pen;
};

BoundPicture boundPicture()
{
    BoundPicture picture{QImage(canvas->clientPixelWidth(), canvas->clientPixelHeight(), QImage::Format_RGB32),
                         QPen(QColor(192, 0, 0))};
    picture.image.fill(Qt::white);
    picture.pen.setCosmetic(true);
    return picture;
}

void drawBound(const DrawingRecord &record, BoundPicture &picture)
{
    const std::vector<QPointF> points = samples(record, picture.image.size());
    QPainter painter(&picture.image);
    painter.setPen(picture.pen);
    painter.drawPolyline(points.data(), int(points.size()));
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// DrawCurve and its bound timed call by call in turn, each first every
// other time, with the medians per call as counters: a load on a shared
// machine that comes and goes then weighs on both alike, which timing one
// for half a second after the other cannot promise.
void BM_DrawCurveBesideBound(benchmark::State &state, const DrawingRecord &record)
{
    startProgram();
    drawings[0] = record;
    Surface &surface = canvas->surface();
    BoundPicture picture = boundPicture();
    std::vector<double> curve, bound;
    QElapsedTimer timer;
    const auto timeCurve = [&] {
        timer.start();
        drawCurve(surface);
        curve.push_back(double(timer.nsecsElapsed()) / 1e3);
    };
    const auto timeBound = [&] {
        timer.start();
        drawBound(record, picture);
        bound.push_back(double(timer.nsecsElapsed()) / 1e3);
    };
    for (auto _ : state) {
        if (curve.size() % 2 == 0) {
            timeCurve();
            timeBound();
        } else {
            timeBound();
            timeCurve();
        }
    }
    state.counters["DrawCurve_us"] = median(curve);
    state.counters["bound_us"] = median(bound);
    state.counters["ratio"] = median(curve) / median(bound);
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

BENCHMARK_CAPTURE(BM_DrawCurveShown, longest24000, longestCurve)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PreviewUpdate)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DrawCurveBesideBound, startUp400, startUpCurve)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DrawCurveBesideBound, longest24000, longestCurve)->Unit(benchmark::kMicrosecond);

} // namespace

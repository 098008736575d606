// One animation frame of the longest slider curve beside its lower bound
// (the same tracing and mapping, the same clear, then one polyline into an
// image with no window), and a paced film of the designed family: the
// frames per second it reaches and the processor time it takes.

#include "testsupport.h"
#include "animation/animation.h"
#include "animation/frame.h"
#include "animation/screenwindow.h"
#include "core/curvetrace.h"
#include "generator/generatorpanel.h"
#include "mainwindow/mainpanel.h"
#include "platform/system.h"

#include <QElapsedTimer>
#include <QTest>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

const DrawingRecord longestFrame = panelRecord(119, 120, 50, 0, -100); // 6001 points

ScreenWindow &screenOfSize(int width, int height)
{
    startProgram();
    ScreenWindow &window = *screeen;
    window.show();
    window.resize(width, height);
    DoEvents();
    return window;
}

void BM_Frame(benchmark::State &state)
{
    ScreenWindow &window = screenOfSize(int(state.range(0)), int(state.range(1)));
    drawings[0] = longestFrame;
    const ScreenSize size{float(window.clientPixelWidth()), float(window.clientPixelHeight())};
    for (auto _ : state) {
        TraceDrawingFrame(0);
        DrawFrame(0, size);
        benchmark::DoNotOptimize(window.surface().image());
    }
    state.counters["points"] = lastFramePoint + 1;
}

void BM_FrameLowerBound(benchmark::State &state)
{
    ScreenWindow &window = screenOfSize(int(state.range(0)), int(state.range(1)));
    QImage image(window.clientPixelWidth(), window.clientPixelHeight(), QImage::Format_RGB32);
    const double W = image.width(), H = image.height();
    std::vector<QPoint> points;
    for (auto _ : state) {
        points.clear();
        const auto add = [&](double x, double y) {
            points.emplace_back(int(std::nearbyint(W / 2 + ((std::nearbyint(x) * W) / 4000) / zoomFactor)),
                                int(std::nearbyint(H / 2 + ((std::nearbyint(y) * W) / 4000) / zoomFactor)));
        };
        TraceCurve(longestFrame, FrameSampling, add, add, add);
        image.fill(Qt::black);
        QPainter painter(&image);
        painter.setPen(QColor(0, 0, 192));
        painter.drawPolyline(points.data(), int(points.size()));
    }
}

double processorSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The designed family, played for about three seconds at the given rate.
void BM_PacedFilm(benchmark::State &state)
{
    startProgram();
    // A screen window of the design's size, whatever the frames before left.
    screeen.unload();
    DoEvents();
    GeneratorPanel &panel = *genbox;
    QTest::mouseClick(&panel.Command1, Qt::LeftButton); // 51 curves
    const int rate = int(state.range(0));
    const int frames = 3 * rate;
    for (int i = 51; i < frames; ++i)
        drawings.at(i) = drawings.at(i % 51);
    drawCount = std::int16_t(frames);
    panel.Check1.setValue(1);
    panel.Text10.setText(QString::number(rate));
    for (auto _ : state) {
        QElapsedTimer wall;
        const double processor = processorSeconds();
        wall.start();
        AnimateDrawing();
        const double seconds = double(wall.nsecsElapsed()) / 1e9;
        state.counters["framesPerSecond"] = frames / seconds;
        state.counters["processorShare"] = (processorSeconds() - processor) / seconds;
        state.SetIterationTime(seconds);
    }
    // The benchmarks share one program: later replays show the list again.
    panel.Check1.setValue(0);
}

BENCHMARK(BM_Frame)->Args({400, 400})->Args({1600, 1200})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FrameLowerBound)->Args({400, 400})->Args({1600, 1200})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PacedFilm)->Arg(30)->Arg(100)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

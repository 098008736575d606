// A replay of a full list of start-up curves beside the same DrawCurve
// calls without the replay's yields and repaints.

#include "testsupport.h"
#include "mainwindow/canvaswindow.h"

#include <benchmark/benchmark.h>

namespace {

void fillList()
{
    startProgram();
    drawings.fill(panelRecord(100, 40, 100, 0, -100));
    drawCount = DrawingSlots;
}

void BM_Replay(benchmark::State &state)
{
    fillList();
    for (auto _ : state)
        Replay();
}

void BM_DrawCurveCalls(benchmark::State &state)
{
    fillList();
    Surface &surface = canvas->surface();
    for (auto _ : state) {
        surface.clear();
        for (int i = 0; i < drawCount; ++i)
            DrawCurve(std::int16_t(i));
        benchmark::DoNotOptimize(surface.image());
    }
}

BENCHMARK(BM_Replay)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_DrawCurveCalls)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

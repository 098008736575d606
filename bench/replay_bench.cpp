// A replay of a full list of start-up curves beside the same DrawCurve
// calls without the replay's yields and repaints; and the undo of a clear
// of that list, its own work without the replay it triggers.

#include "testsupport.h"
#include "mainwindow/canvaswindow.h"
#include "undo/drawinghistory.h"

#include <QUndoStack>

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

// An undo and a redo of the clear, per iteration.
void BM_UndoClearAlone(benchmark::State &state)
{
    fillList();
    RememberReplaced(Replacement::Clear);
    drawCount = 0;
    for (auto _ : state) {
        DrawingHistory().undo();
        DrawingHistory().redo();
    }
}

BENCHMARK(BM_Replay)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_UndoClearAlone)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawCurveCalls)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

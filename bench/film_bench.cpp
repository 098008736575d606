// The drawing film written as a GIF beside its lower bound: the same frames
// traced, mapped and drawn into an image, with no colour tables, no
// compression and no file.

#include "testsupport.h"
#include "animation/animation.h"
#include "animation/frame.h"
#include "export/gifexport.h"
#include "platform/savefile.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A family whose pen distance grows frame by frame, as a generator's does.
void fillFilm(int frames)
{
    startProgram();
    for (int i = 0; i < frames; ++i)
        drawings[std::size_t(i)] = panelRecord(100, 40, 20 + i % 100, i % 360, -100);
    drawCount = std::int16_t(frames);
}

void BM_ExportFilmGif(benchmark::State &state)
{
    fillFilm(int(state.range(0)));
    QTemporaryDir dir;
    for (auto _ : state) {
        SaveFile file(dir.filePath("film.gif"));
        file.open();
        QString reason;
        WriteFilmGif(file, 3, reason);
        file.commit();
    }
    state.counters["MB"] = double(QFileInfo(dir.filePath("film.gif")).size()) / 1e6;
}

void BM_FilmFramesOnly(benchmark::State &state)
{
    fillFilm(int(state.range(0)));
    QImage picture(400, 400, QImage::Format_RGB32);
    for (auto _ : state) {
        for (int i = 0; i < drawCount; ++i) {
            TraceDrawingFrame(std::int16_t(i));
            MapFramePoints({400, 400});
            picture.fill(Qt::black);
            PaintPolyline(picture, FramePen(std::int16_t(i)), false, framePoints.data(), lastFramePoint + 1);
        }
        benchmark::DoNotOptimize(picture.constBits());
    }
}

BENCHMARK(BM_ExportFilmGif)->Arg(51)->Arg(DrawingSlots)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilmFramesOnly)->Arg(51)->Arg(DrawingSlots)->Unit(benchmark::kMillisecond);

} // namespace

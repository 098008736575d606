// Saving a metafile beside its lower bound: the same curve arithmetic with
// the same bytes written through one buffered stream. The stream alone is
// measured too, and each save reports how much the process's peak memory
// grew while it ran.

#include "testsupport.h"
#include "core/curvetrace.h"
#include "export/metafileexport.h"
#include "export/pdfexport.h"
#include "export/pngexport.h"
#include "export/svgexport.h"
#include "mainwindow/canvaswindow.h"
#include "platform/savefile.h"

#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>
#include <functional>
#include <cstdio>
#include <sys/resource.h>

namespace {

const DrawingRecord startUpCurve = panelRecord(100, 40, 100, 0, -100); // 400 lines
const DrawingRecord longestCurve = panelRecord(119, 120, 50, 0, -100); // 24000 lines

constexpr std::size_t LineBytes = 10;

void fillList(const DrawingRecord &record, int count)
{
    startProgram();
    drawings.fill(record);
    drawCount = std::int16_t(count);
}

long peakKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void BM_SaveMetafile(benchmark::State &state, const DrawingRecord &record, int count)
{
    fillList(record, count);
    QTemporaryDir dir;
    metafileName = dir.filePath("bench.wmf");
    const long before = peakKiB();
    for (auto _ : state)
        SaveMetafile();
    state.counters["peakGrowthKiB"] = double(peakKiB() - before);
    state.SetBytesProcessed(state.iterations() * QFileInfo(metafileName).size());
}

// The lines' bytes, one record at a time, through a stdio stream.
void writeLine(std::FILE *file, double x, double y)
{
    const auto word = [](double v) { return std::uint16_t(std::int16_t(std::nearbyint(v))); };
    const std::uint16_t row = word(y), column = word(x);
    const unsigned char bytes[LineBytes] = {5, 0, 0, 0, 0x13, 0x02, std::uint8_t(row), std::uint8_t(row >> 8),
                                            std::uint8_t(column), std::uint8_t(column >> 8)};
    std::fwrite(bytes, 1, LineBytes, file);
}

void BM_LowerBound(benchmark::State &state, const DrawingRecord &record, int count)
{
    fillList(record, count);
    QTemporaryDir dir;
    const QByteArray name = QFile::encodeName(dir.filePath("bound.bin"));
    for (auto _ : state) {
        std::FILE *file = std::fopen(name.constData(), "wb");
        for (int i = 0; i < drawCount; ++i)
            TraceCurve(drawings[i], [&](double x, double y) { writeLine(file, x, y); },
                       [&](double x, double y) { writeLine(file, x, y); });
        std::fclose(file);
    }
}

// The same number of bytes through the same stream, with no arithmetic.
void BM_StreamOnly(benchmark::State &state, const DrawingRecord &record, int count)
{
    fillList(record, count);
    QTemporaryDir dir;
    const QByteArray name = QFile::encodeName(dir.filePath("bytes.bin"));
    long lines = 0;
    for (int i = 0; i < drawCount; ++i)
        TraceCurve(drawings[i], [&](double, double) { ++lines; }, [&](double, double) { ++lines; });
    for (auto _ : state) {
        std::FILE *file = std::fopen(name.constData(), "wb");
        for (long i = 0; i < lines; ++i)
            writeLine(file, double(i & 0xFF), 0);
        std::fclose(file);
    }
}

// The SVG picture of the same list, written the same way as a save, and
// how much the process's peak memory grew while it was written.
void BM_ExportSvg(benchmark::State &state)
{
    fillList(startUpCurve, DrawingSlots);
    QTemporaryDir dir;
    const long before = peakKiB();
    for (auto _ : state) {
        SaveFile file(dir.filePath("bench.svg"));
        file.open();
        QString reason;
        WriteSvgPicture(file, {drawings.data(), std::size_t(drawCount)}, 1, reason);
        file.commit();
        state.counters["MB"] = double(QFileInfo(dir.filePath("bench.svg")).size()) / 1e6;
    }
    state.counters["peakGrowthKiB"] = double(peakKiB() - before);
}

// 5001 different curves: the start-up curve with the pen distance and the
// start angle moved a little for each, so that no two are alike.
void fillDifferentCurves()
{
    startProgram();
    for (int i = 0; i < DrawingSlots; ++i) {
        drawings[std::size_t(i)] = startUpCurve;
        drawings[std::size_t(i)].penDistance += i * 0.01;
        drawings[std::size_t(i)].startAngle += i * 1e-4;
    }
    drawCount = DrawingSlots;
}

// Writes the list into the file with the writer; the file's size in MB.
double writeList(const QString &name, const std::function<bool(SaveFile &, QString &)> &write)
{
    SaveFile file(name);
    QString reason;
    if (!file.open() || !write(file, reason) || !file.commit())
        std::fprintf(stderr, "could not write %s: %s\n", qPrintable(name), qPrintable(reason + file.errorString()));
    return double(QFileInfo(name).size()) / 1e6;
}

bool writeSvg(SaveFile &file, QString &reason)
{
    return WriteSvgPicture(file, {drawings.data(), std::size_t(drawCount)}, 1, reason);
}

// The PDF page of the different curves, beside their SVG picture and the
// route to a PDF without Rondel's: the SVG picture, then a common converter.
void BM_ExportPdf(benchmark::State &state)
{
    fillDifferentCurves();
    QTemporaryDir dir;
    for (auto _ : state)
        state.counters["MB"] = writeList(dir.filePath("bench.pdf"), [](SaveFile &file, QString &reason) {
            return WritePdfPicture(file, {drawings.data(), std::size_t(drawCount)}, QPageSize(QPageSize::A4), "Rondel drawing",
                                   reason);
        });
}

void BM_ExportSvgOfDifferentCurves(benchmark::State &state)
{
    fillDifferentCurves();
    QTemporaryDir dir;
    for (auto _ : state)
        state.counters["MB"] = writeList(dir.filePath("bench.svg"), writeSvg);
}

void BM_SvgThenConverter(benchmark::State &state)
{
    fillDifferentCurves();
    QTemporaryDir dir;
    for (auto _ : state) {
        writeList(dir.filePath("bench.svg"), writeSvg);
        if (QProcess::execute("rsvg-convert", {"-f", "pdf", "-o", dir.filePath("route.pdf"), dir.filePath("bench.svg")}) != 0) {
            state.SkipWithError("rsvg-convert is missing or failed");
            break;
        }
        state.counters["MB"] = double(QFileInfo(dir.filePath("route.pdf")).size()) / 1e6;
    }
}

// The PNG picture at four times the canvas's size, drawn and compressed.
void BM_ExportPng(benchmark::State &state)
{
    fillList(startUpCurve, int(state.range(0)));
    const QSize size(canvas->clientPixelWidth() * 4, canvas->clientPixelHeight() * 4);
    QTemporaryDir dir;
    for (auto _ : state) {
        const QImage image = PngPicture({drawings.data(), std::size_t(drawCount)}, size, zoomFactor, 1);
        image.save(dir.filePath("bench.png"), "png");
    }
}

BENCHMARK(BM_ExportSvg)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportPdf)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ExportSvgOfDifferentCurves)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SvgThenConverter)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_ExportPng)->Arg(1)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportPng)->Arg(DrawingSlots)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SaveMetafile, startUp5001, startUpCurve, DrawingSlots)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LowerBound, startUp5001, startUpCurve, DrawingSlots)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StreamOnly, startUp5001, startUpCurve, DrawingSlots)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SaveMetafile, longest100, longestCurve, 100)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LowerBound, longest100, longestCurve, 100)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StreamOnly, longest100, longestCurve, 100)->Unit(benchmark::kMillisecond);

} // namespace

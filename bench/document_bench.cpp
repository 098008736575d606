// Saving and opening a drawing file of 5001 drawings, beside Qt's JSON
// serialising and parsing of the same document alone.

#include "document/drawingfile.h"
#include "testsupport.h"

#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A family's worth of different records, 5001 of them.
Drawing fullList()
{
    pi = ProgramPi;
    Drawing drawing;
    for (int i = 0; i < DrawingSlots; ++i) {
        DrawingRecord record = panelRecord(100, 40, i % 251, i * 0.37, i % 201 - 100);
        record.color = Color(i * 2654435761u & 0xFFFFFF);
        drawing.records.push_back(record);
    }
    drawing.zoom = 0.25;
    return drawing;
}

void BM_SaveDrawing(benchmark::State &state)
{
    const Drawing drawing = fullList();
    QTemporaryDir dir;
    QString reason;
    for (auto _ : state)
        WriteDrawingFile(dir.filePath("list.rondel"), drawing, reason);
    state.counters["MB"] = double(QFileInfo(dir.filePath("list.rondel")).size()) / 1e6;
}

void BM_SerialiseOnly(benchmark::State &state)
{
    const QJsonDocument document = QJsonDocument::fromJson(DrawingToJson(fullList()));
    for (auto _ : state)
        benchmark::DoNotOptimize(document.toJson(QJsonDocument::Compact));
}

void BM_OpenDrawing(benchmark::State &state)
{
    QTemporaryDir dir;
    QString reason;
    WriteDrawingFile(dir.filePath("list.rondel"), fullList(), reason);
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadDrawingFile(dir.filePath("list.rondel"), reason));
}

void BM_ParseOnly(benchmark::State &state)
{
    const QByteArray json = DrawingToJson(fullList());
    for (auto _ : state)
        benchmark::DoNotOptimize(QJsonDocument::fromJson(json));
}

BENCHMARK(BM_SaveDrawing)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SerialiseOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenDrawing)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParseOnly)->Unit(benchmark::kMillisecond);

} // namespace
namespace {
void BM_BuildOnly(benchmark::State &state)
{
    const Drawing drawing = fullList();
    for (auto _ : state)
        benchmark::DoNotOptimize(DrawingToJson(drawing));
}
BENCHMARK(BM_BuildOnly)->Unit(benchmark::kMillisecond);
void BM_ParseCheckOnly(benchmark::State &state)
{
    const QByteArray json = DrawingToJson(fullList());
    QString reason;
    for (auto _ : state)
        benchmark::DoNotOptimize(DrawingFromJson(json, reason));
}
BENCHMARK(BM_ParseCheckOnly)->Unit(benchmark::kMillisecond);
}

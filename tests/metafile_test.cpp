#include "core/module1.h"
#include "export/metafileexport.h"
#include "infowindows/errorwindow.h"
#include "mainwindow/mainpanel.h"
#include "platform/metafilerecorder.h"
#include "platform/system.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr std::uint16_t CreatePen = 0x02FA;
constexpr std::uint16_t SelectObject = 0x012D;
constexpr std::uint16_t MoveTo = 0x0214;
constexpr std::uint16_t LineTo = 0x0213;

struct Record {
    std::uint16_t function;
    std::vector<std::uint16_t> parameters;
};

struct Point {
    int x;
    int y;
    bool operator==(const Point &) const = default;
};

// A metafile read back and checked against its own header: every record
// within the file, sizes adding up, the end record last.
struct Metafile {
    std::vector<Record> records;

    explicit Metafile(const QString &path)
    {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        const QByteArray bytes = file.readAll();
        const auto u16 = [&](qsizetype at) { return std::uint16_t(std::uint8_t(bytes[at]) | std::uint8_t(bytes[at + 1]) << 8); };
        const auto u32 = [&](qsizetype at) { return std::uint32_t(u16(at) | u16(at + 2) << 16); };
        EXPECT_GE(bytes.size(), 24);
        if (bytes.size() < 24)
            return;
        // Type, header size, version, size in words, no parameters.
        EXPECT_EQ((std::vector<qsizetype>{u16(0), u16(2), u16(4), 2 * qsizetype(u32(6)), u16(16)}),
                  (std::vector<qsizetype>{1, 9, 0x0300, bytes.size(), 0}));
        std::uint32_t largest = 0;
        int pens = 0;
        qsizetype at = 18;
        while (at + 6 <= bytes.size()) {
            const std::uint32_t words = u32(at);
            EXPECT_GE(words, 3u);
            if (words < 3 || at + 2 * qsizetype(words) > bytes.size())
                break;
            Record record{u16(at + 4), {}};
            for (qsizetype p = at + 6; p < at + 2 * qsizetype(words); p += 2)
                record.parameters.push_back(u16(p));
            largest = std::max(largest, words);
            pens += record.function == CreatePen;
            at += 2 * qsizetype(words);
            if (record.function == 0) {
                EXPECT_EQ(at, bytes.size()) << "the end record is the last";
                break;
            }
            records.push_back(record);
        }
        EXPECT_EQ(u16(10), pens);
        EXPECT_EQ(u32(12), largest);
    }

    std::vector<Point> points(std::uint16_t function) const
    {
        std::vector<Point> found;
        for (const Record &record : records)
            if (record.function == function)
                found.push_back({std::int16_t(record.parameters.at(1)), std::int16_t(record.parameters.at(0))});
        return found;
    }
    std::vector<std::uint16_t> functions() const
    {
        std::vector<std::uint16_t> found(records.size());
        std::transform(records.begin(), records.end(), found.begin(), [](const Record &r) { return r.function; });
        return found;
    }
};

// Saves through File -> Save as, the dialog answered with the name.
void saveAs(const QString &name)
{
    CommonDialog::setSaveAnswer([name](const QString &) { return name; });
    Form1->saveas.trigger();
    CommonDialog::setSaveAnswer({});
}

class Export : public ::testing::Test
{
protected:
    void SetUp() override { startProgram(); }
    QString path(const QString &name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

TEST_F(Export, SavesTheDrawingsSinceTheClearAsTheCanvasTracesThem)
{
    clickDraw();
    clickClear();
    clickDraw();
    clickDraw();
    QString filter;
    CommonDialog::setSaveAnswer([&](const QString &shown) {
        filter = shown;
        return path("start"); // no extension is added
    });
    Form1->saveas.trigger();
    EXPECT_EQ(filter, "meta files (*.wmf)|*.wmf|all files (*.*)|*.*");
    EXPECT_FALSE(Form1->saveas.isEnabled());
    EXPECT_EQ(drawings[0].color, palette[1]); // a clear keeps the colour cycle going

    // Per drawing: a pen of its colour, its selection, a move, 400 lines.
    const Metafile file(path("start"));
    std::vector<std::uint16_t> expected;
    for (int k = 0; k < 2; ++k) {
        expected.insert(expected.end(), {CreatePen, SelectObject, MoveTo});
        expected.insert(expected.end(), 400, LineTo);
        const Record &pen = file.records.at(k * 403);
        EXPECT_EQ(pen.parameters, (std::vector<std::uint16_t>{0, 1, 0, std::uint16_t(drawings[k].color),
                                                               std::uint16_t(drawings[k].color >> 16)}));
        EXPECT_EQ(file.records.at(k * 403 + 1).parameters, std::vector<std::uint16_t>{std::uint16_t(k)});
    }
    EXPECT_EQ(file.functions(), expected);
    EXPECT_EQ(file.points(MoveTo), (std::vector<Point>{{500, 0}, {500, 0}}));
    const std::vector<Point> lines = file.points(LineTo);
    EXPECT_EQ(std::vector<Point>(lines.begin(), lines.begin() + 3), (std::vector<Point>{{499, -6}, {497, -12}, {493, -18}}));
    EXPECT_EQ(lines[398], (Point{499, 6}));
    EXPECT_EQ(lines[399], (Point{500, 0}));
    EXPECT_EQ(QFileInfo(path("start")).size(), 2 * (9 + 2 * (12 + 5 * 401) + 3));

    // A cancelled dialog writes nothing, not even the earlier file again.
    clickDraw();
    CommonDialog::setSaveAnswer([](const QString &) { return std::nullopt; });
    Form1->saveas.trigger();
    EXPECT_TRUE(Form1->saveas.isEnabled());
    EXPECT_EQ(QFileInfo(path("start")).size(), 2 * (9 + 2 * (12 + 5 * 401) + 3));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"start"});

    // A reader of the format takes it without a complaint.
    const QString tool = QStandardPaths::findExecutable("wmf2svg");
    ASSERT_FALSE(tool.isEmpty()) << "wmf2svg (Debian package libwmf-bin) is needed";
    QProcess convert;
    convert.start(tool, {"-o", path("check.svg"), path("start")});
    ASSERT_TRUE(convert.waitForFinished(30000));
    EXPECT_EQ(convert.exitCode(), 0);
    EXPECT_EQ(convert.readAllStandardError(), QByteArray());
    QFile svg(path("check.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_EQ(svg.readAll().count("<line "), 800);
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST_F(Export, AFailedSaveNamesTheSystemsReasonAndLosesNothing)
{
    QFile blocker(path("plain"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    for (int i = 0; i < 50; ++i)
        clickDraw();
    saveAs(path("kept.wmf"));
    const QByteArray kept = contents(path("kept.wmf"));
    ASSERT_EQ(kept.size(), 50 * 2 * (12 + 5 * 401) + 2 * (9 + 3));
    const auto failure = [&](const QString &name, const QString &reason) {
        Form1->saveas.setEnabled(true);
        saveAs(name);
        EXPECT_EQ(errbox->Label1.caption(), "could not save \"" + name + "\": " + reason);
        EXPECT_TRUE(Form1->saveas.isEnabled());
    };
    failure(path("missing/a.wmf"), "No such file or directory");
    failure(path("plain/a.wmf"), "Not a directory");
    {
        const FileSizeLimit fullDisk(100000);
        failure(path("kept.wmf"), "File too large");
    }
    drawings.at(drawCount) = panelRecord(4000, 2000, 100, 0, 100);
    drawCount = drawCount + 1;
    failure(path("kept.wmf"), "a point lies outside the range of metafile coordinates");
    EXPECT_EQ(contents(path("kept.wmf")), kept);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), (QStringList{"kept.wmf", "plain"}));
}

TEST(MetafileRecorder, RoundsHalvesToEvenWithinSixteenBits)
{
    QTemporaryDir dir;
    MetafileRecorder recorder(dir.filePath("round.wmf"));
    EXPECT_EQ(recorder.createPen(1, RGB(1, 2, 3)), 0);
    EXPECT_EQ(recorder.createPen(1, RGB(4, 5, 6)), 1);
    recorder.selectObject(1);
    recorder.moveTo(2.5, 3.5);
    recorder.lineTo(-2.5, 0.5);
    recorder.lineTo(-0.5, 1.5);
    recorder.lineTo(32767.49, -32768.5);
    ASSERT_TRUE(recorder.close()) << recorder.errorString().toStdString();
    const Metafile file(dir.filePath("round.wmf"));
    EXPECT_EQ(file.points(MoveTo), (std::vector<Point>{{2, 4}}));
    EXPECT_EQ(file.points(LineTo), (std::vector<Point>{{-2, 0}, {0, 2}, {32767, -32768}}));

    for (const double v : {32767.5, -32768.51, std::nan("")}) {
        MetafileRecorder far(dir.filePath("far.wmf"));
        far.moveTo(0, v);
        far.lineTo(0, 0);
        EXPECT_FALSE(far.close());
        EXPECT_EQ(far.errorString(), "a point lies outside the range of metafile coordinates");
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"round.wmf"});
}

TEST(MetafileRecorder, FailsAsSoonAsTheFileWouldPassItsSizeLimit)
{
    QTemporaryDir dir;
    constexpr std::uint64_t limit = 50000; // words
    // A recorder that wrote on past its limit would meet the disk's first.
    const FileSizeLimit disk(2 * limit + 65536);
    MetafileRecorder recorder(dir.filePath("big.wmf"), limit);
    for (int i = 0; i < 100000; ++i)
        recorder.lineTo(i % 100, 0);
    EXPECT_FALSE(recorder.close());
    EXPECT_EQ(recorder.errorString(), "the drawing is too large for one metafile");
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

} // namespace

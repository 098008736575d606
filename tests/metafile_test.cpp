#include "platform/metafilerecorder.h"
#include "support/fixtures.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

namespace {

enum Function : std::uint16_t { CreatePen = 0x02FA, SelectObject = 0x012D, MoveTo = 0x0214, LineTo = 0x0213 };

struct Record {
    std::uint16_t function;
    std::vector<std::uint16_t> parameters;
};

// A metafile read back and checked against its own header: type, header
// size, version, size in words, pens, largest record; every record within
// the file and the end record last.
struct Metafile {
    std::vector<Record> records;

    explicit Metafile(const QString &path)
    {
        const QByteArray bytes = contents(path);
        const auto u16 = [&](qsizetype at) { return std::uint16_t(std::uint8_t(bytes[at]) | std::uint8_t(bytes[at + 1]) << 8); };
        const auto u32 = [&](qsizetype at) { return std::uint32_t(u16(at) | u16(at + 2) << 16); };
        EXPECT_GE(bytes.size(), 24) << "no header";
        if (bytes.size() < 24)
            return;
        std::uint32_t largest = 0, pens = 0;
        qsizetype at = 18;
        for (std::uint32_t words; at + 6 <= bytes.size() && (words = u32(at)) >= 3 && at + 2 * words <= bytes.size();) {
            Record record{u16(at + 4), {}};
            for (qsizetype p = at + 6; p < at + 2 * qsizetype(words); p += 2)
                record.parameters.push_back(u16(p));
            largest = std::max(largest, words);
            pens += record.function == CreatePen;
            at += 2 * qsizetype(words);
            if (record.function == 0)
                break;
            records.push_back(record);
        }
        EXPECT_EQ(at, bytes.size()) << "the end record is the last";
        EXPECT_EQ((std::vector<qsizetype>{u16(0), u16(2), u16(4), 2 * qsizetype(u32(6)), u16(10), u32(12), u16(16)}),
                  (std::vector<qsizetype>{1, 9, 0x0300, bytes.size(), pens, largest, 0}));
    }

    std::vector<QPoint> points(std::uint16_t function) const
    {
        std::vector<QPoint> found;
        for (const Record &record : records)
            if (record.function == function)
                found.emplace_back(std::int16_t(record.parameters.at(1)), std::int16_t(record.parameters.at(0)));
        return found;
    }
};

using Export = ProgramTest;

TEST_F(Export, SavesTheDrawingsSinceTheClearAsTheCanvasTracesThem)
{
    clickDraw();
    clickClear();
    clickDrawTimes(2);
    exportAs(Form1->saveas, path("start")); // no extension is added
    EXPECT_FALSE(Form1->saveas.isEnabled());

    // Per drawing: a pen of its colour, its selection, a move, 400 lines.
    const Metafile file(path("start"));
    std::vector<std::uint16_t> expected, functions;
    for (int k = 0; k < 2; ++k) {
        expected.insert(expected.end(), {CreatePen, SelectObject, MoveTo});
        expected.insert(expected.end(), 400, LineTo);
        const Color colour = drawings[k].color;
        EXPECT_EQ(file.records.at(k * 403).parameters,
                  (std::vector<std::uint16_t>{0, 1, 0, std::uint16_t(colour), std::uint16_t(colour >> 16)}));
        EXPECT_EQ(file.records.at(k * 403 + 1).parameters, std::vector<std::uint16_t>{std::uint16_t(k)});
    }
    for (const Record &record : file.records)
        functions.push_back(record.function);
    EXPECT_EQ(functions, expected);
    EXPECT_EQ(file.points(MoveTo), (std::vector<QPoint>{{500, 0}, {500, 0}}));
    const std::vector<QPoint> lines = file.points(LineTo);
    EXPECT_EQ((std::vector<QPoint>{lines[0], lines[1], lines[2], lines[398], lines[399]}),
              (std::vector<QPoint>{{499, -6}, {497, -12}, {493, -18}, {499, 6}, {500, 0}}));

    // A reader of the format takes it without a complaint.
    const QString tool = QStandardPaths::findExecutable("wmf2svg");
    ASSERT_FALSE(tool.isEmpty()) << "wmf2svg (Debian package libwmf-bin) is needed";
    QProcess convert;
    convert.start(tool, {"-o", path("check.svg"), path("start")});
    ASSERT_TRUE(convert.waitForFinished(30000));
    EXPECT_EQ(convert.exitCode(), 0);
    EXPECT_EQ(convert.readAllStandardError(), QByteArray());
    EXPECT_EQ(contents(path("check.svg")).count("<line "), 800);
}

using MetafileRecorderTest = ProgramTest;

// Points round halves to even within sixteen bits; a point beyond them, or
// a file past the recorder's limit, fails and leaves no file.
TEST_F(MetafileRecorderTest, RoundsWithinSixteenBitsAndFailsBeyondThemOrItsSizeLimit)
{
    MetafileRecorder recorder(path("round.wmf"));
    EXPECT_EQ((std::vector{recorder.createPen(1, RGB(1, 2, 3)), recorder.createPen(1, RGB(4, 5, 6))}),
              (std::vector<std::uint16_t>{0, 1}));
    recorder.moveTo(2.5, 3.5);
    for (const auto &[x, y] : {std::pair{-2.5, 0.5}, {-0.5, 1.5}, {32767.49, -32768.5}})
        recorder.lineTo(x, y);
    ASSERT_TRUE(recorder.close()) << recorder.errorString().toStdString();
    EXPECT_EQ(Metafile(path("round.wmf")).points(LineTo), (std::vector<QPoint>{{-2, 0}, {0, 2}, {32767, -32768}}));
    EXPECT_EQ(Metafile(path("round.wmf")).points(MoveTo), (std::vector<QPoint>{{2, 4}}));

    for (const double v : {32767.5, -32768.51, std::nan("")}) {
        MetafileRecorder far(path("far.wmf"));
        far.moveTo(0, v);
        EXPECT_FALSE(far.close());
        EXPECT_EQ(far.errorString(), "a point lies outside the range of metafile coordinates");
    }
    // The limit comes before the disk's, which a recorder writing on would meet.
    constexpr std::uint64_t limit = 50000; // words
    const FileSizeLimit disk(2 * limit + 65536);
    MetafileRecorder big(path("big.wmf"), limit);
    for (int i = 0; i < 100000; ++i)
        big.lineTo(i % 100, 0);
    EXPECT_FALSE(big.close());
    EXPECT_EQ(big.errorString(), "the drawing is too large for one metafile");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"round.wmf"});
}

} // namespace

#include "infowindows/errorwindow.h"
#include "mainwindow/drawingfiles.h"
#include "support/fixtures.h"

#include <QProcess>
#include <cstring>
#include <sys/stat.h>

namespace {

using Files = ExportTest;

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Bit for bit, but for the sign of a zero, which Qt's JSON keeps for no
// number.
bool sameBits(const DrawingRecord &a, const DrawingRecord &b)
{
    const auto same = [](double x, double y) { return std::memcmp(&x, &y, sizeof x) == 0 || (x == 0 && y == 0); };
    return same(a.statRadius, b.statRadius) && same(a.rotRadius, b.rotRadius) && same(a.penDistance, b.penDistance) &&
           same(a.startAngle, b.startAngle) && a.color == b.color && a.gearPosition == b.gearPosition;
}

// A family in gradient colours, with angles and pen distances that are no
// round numbers, comes back field for field, bit for bit, with the colour
// mode, the next colour and the zoom.
TEST_F(Files, AFamilyWrittenAndReadBackIsTheSameList)
{
    Form1->gen.trigger();
    GeneratorPanel &panel = *genbox;
    panel.Check2.setValue(1);
    for (const auto &[box, text] : {std::pair{&panel.Text2, "233.3"}, {&panel.Text3, "7.7"}, {&panel.Text5, "-61.7"},
                                    {&panel.Text8, "37"}})
        box->setText(text);
    QTest::mouseClick(&panel.Command1, Qt::LeftButton);
    Form1->randomize.trigger();
    Form1->zo.trigger();
    ASSERT_EQ(drawCount, 31);
    // Absurd typed values can make what JSON has no numbers for.
    drawings[28].rotRadius = std::numeric_limits<double>::infinity();
    drawings[29].startAngle = std::numeric_limits<double>::quiet_NaN();
    drawings[30].penDistance = -std::numeric_limits<double>::infinity();
    exportAs(Form1->savedrawing, path("family"));
    QString reason;
    const std::optional<Drawing> read = ReadDrawingFile(path("family.rondel"), reason);
    ASSERT_TRUE(read) << reason.toStdString();
    ASSERT_EQ(read->records.size(), 31u);
    for (int i = 0; i < 31; ++i)
        EXPECT_TRUE(sameBits(read->records[i], drawings[i])) << i;
    EXPECT_TRUE(read->colorMode == ColorMode::Random && read->nextColor == Form1->chip0.backColor() &&
                read->zoom == zoomFactor);
    EXPECT_EQ(RecentDrawingFiles(), QStringList{path("family.rondel")});
}

// Save drawing as proposes the drawing last opened or saved; every kind of
// file has a dialog of its own, which opens where that kind was last put,
// in the next run too.
TEST_F(Files, DialogsProposeTheLastDrawingAndEachKindsFolder)
{
    clickDraw();
    CommonDialog::setChoiceAnswer([](const QStringList &) { return 0; });
    QString shown;
    const auto cancel = [&](const QString &proposed) {
        shown = proposed;
        return std::optional<QString>();
    };
    const auto proposal = [&](MenuItem MainPanel::*item) {
        CommonDialog::setSaveAnswer(cancel);
        CommonDialog::setOpenAnswer(cancel);
        ((*Form1).*item).trigger();
        return shown;
    };
    const std::pair<MenuItem MainPanel::*, QString> kinds[] = {
        {&MainPanel::savedrawing, "drawings"}, {&MainPanel::saveas, "wmf"}, {&MainPanel::exportsvg, "svg"},
        {&MainPanel::exportpng, "png"}, {&MainPanel::exportgif, "gif"}};
    for (const auto &[item, folder] : kinds) {
        ASSERT_TRUE(QDir(dir.path()).mkdir(folder));
        exportAs((*Form1).*item, path(folder + "/picture"));
    }
    EXPECT_EQ(proposal(&MainPanel::savedrawing), path("drawings/picture.rondel"));
    // A file that cannot be opened is not proposed; one that Open recent
    // opens is.
    CommonDialog::setOpenAnswer([&](const QString &) { return path("svg/picture.svg"); });
    Form1->opendrawing.trigger();
    EXPECT_EQ(proposal(&MainPanel::savedrawing), path("drawings/picture.rondel"));
    QFile::copy(path("drawings/picture.rondel"), path("drawings/copy.rondel"));
    OpenDrawingFile(path("drawings/copy.rondel"));
    EXPECT_EQ(proposal(&MainPanel::savedrawing), path("drawings/copy.rondel"));

    // The next run.
    setEndHook([] {});
    Form1.unload();
    setEndHook({});
    startProgram();
    clickDraw();
    for (const auto &[item, folder] : kinds)
        EXPECT_EQ(proposal(item), path(folder));
}

// A file is refused, naming the first thing wrong, and nothing changes.
TEST_F(Files, RefusedFilesNameTheFirstThingWrongAndChangeNothing)
{
    clickDraw();
    const DrawingRecord kept = drawings[0];
    const QString record = R"({"statRadius": 500, "rotRadius": 200, "penDistance": 200, "startAngle": 0, )"
                           R"("gearPosition": %1, "color": %2})";
    const auto file = [&](const QString &records, const QString &more = {}) {
        return QString(R"({"format": "rondel-drawing", "version": 1, "drawings": [%1]%2})").arg(records, more).toUtf8();
    };
    const struct {
        QByteArray json;
        QString reason;
    } refused[] = {
        {"", "it is empty"},
        {file(record.arg("0", "\"#000000\"")).chopped(5), "it is not JSON: unterminated string at character 167"},
        {"[]", "it is not a Rondel drawing"},
        {R"({"format": "svg", "version": 1, "drawings": []})", "it is not a Rondel drawing (format \"svg\")"},
        {R"({"format": "rondel-drawing", "version": 2, "drawings": []})", "version 2 is newer than this Rondel reads (1)"},
        {R"({"format": "rondel-drawing", "version": 1})", "drawings is missing"},
        {file(record.arg("40000", "\"#000000\"")), "drawing 1: gearPosition 40000 is outside -32768 to 32767"},
        {file(record.arg("1.0000001", "\"#000000\"")), "drawing 1: gearPosition 1.0000001 is not a whole number"},
        {file(record.arg("0", "\"#00000\"")), "drawing 1: color \"#00000\" is not a colour in the form #rrggbb"},
        {file(record.arg("0", "\"#١٢٣٤٥٦\"")), "drawing 1: color \"#١٢٣٤٥٦\" is not a colour in the form #rrggbb"},
        {file(record.arg("0", "\"\\n" + QString(99, 'x') + '"')),
         "drawing 1: color \"\uFFFD" + QString(38, 'x') + "…\" is not a colour in the form #rrggbb"},
        {file(record.arg("0", "\"#000000\"") + ", " + record.arg("\"0\"", "\"#000000\"")), "drawing 2: gearPosition is not a number"},
        {file(R"({"statRadius": 1e999})"), "it is not JSON: illegal number at character 76"},
        {file("{}"), "drawing 1: statRadius is missing"},
        {file("", R"(, "zoom": 2)"), "zoom 2 is outside 0.03125 to 1"},
        {file(QStringList(5002, record.arg("0", "\"#000000\"")).join(',')), "it holds 5002 drawings, more than the list's 5001"},
    };
    for (const auto &[json, reason] : refused) {
        QFile out(path("bad.rondel"));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(json) == json.size());
        out.close();
        EXPECT_FALSE(OpenDrawingFile(path("bad.rondel")));
        EXPECT_EQ(errbox->Label1.caption(), "could not open \"" + path("bad.rondel") + "\": " + reason);
        EXPECT_TRUE(drawCount == 1 && sameBits(drawings[0], kept));
    }
    ASSERT_EQ(mkfifo(QFile::encodeName(path("pipe.rondel")).constData(), 0600), 0);
    EXPECT_FALSE(OpenDrawingFile(path("pipe.rondel")));
    EXPECT_EQ(errbox->Label1.caption(), "could not open \"" + path("pipe.rondel") + "\": it is not a regular file");
    QFile big(path("big.rondel"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly) && big.resize(LargestDrawingFile + 1));
    big.close();
    EXPECT_FALSE(OpenDrawingFile(path("big.rondel")));
    EXPECT_EQ(errbox->Label1.caption(), "could not open \"" + path("big.rondel") + "\": it is larger than 16 MB");
}

// The command line's export writes the same bytes as the menu's, with no
// display at all; refusals and usage errors end with 1 and 2.
TEST_F(Files, TheCommandLineExportsWhatTheMenuExports)
{
    for (int i = 0; i < 3; ++i)
        clickDraw();
    CommonDialog::setChoiceAnswer([](const QStringList &) { return 1; });
    exportAs(Form1->savedrawing, path("list.rondel"));
    const auto run = [&](const QStringList &arguments, const QByteArray &input = {}) {
        QProcess rondel;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("DISPLAY");
        environment.remove("QT_QPA_PLATFORM");
        environment.remove("XDG_RUNTIME_DIR"); // Qt notes its absence
        rondel.setProcessEnvironment(environment);
        rondel.start(RONDEL_PROGRAM, arguments);
        rondel.write(input);
        rondel.closeWriteChannel();
        EXPECT_TRUE(rondel.waitForFinished(30000));
        return std::pair{rondel.exitCode(), rondel.readAllStandardError()};
    };
    for (const auto &[item, name] : {std::pair{&Form1->saveas, "menu.wmf"}, {&Form1->exportsvg, "menu.svg"},
                                     {&Form1->exportpng, "menu.png"}, {&Form1->exportgif, "menu.gif"}}) {
        item->setEnabled(true);
        exportAs(*item, path(name));
        const QString out = path(QString(name).replace("menu", "line"));
        QStringList arguments{"--export", out, path("list.rondel")};
        if (out.endsWith(".png"))
            arguments << "--scale" << "2";
        EXPECT_EQ(run(arguments).first, 0) << name;
        EXPECT_EQ(contents(out), contents(path(name))) << name;
    }
    // A pipe is read to its end; an OUT that is FILE itself is refused.
    EXPECT_EQ(run({"--export", path("piped.svg"), "/dev/stdin"}, contents(path("list.rondel"))).first, 0);
    EXPECT_EQ(contents(path("piped.svg")), contents(path("menu.svg")));
    QFile::copy(path("list.rondel"), path("same.svg"));
    EXPECT_EQ(run({"--export", path("same.svg"), path("same.svg")}).first, 1);
    EXPECT_EQ(contents(path("same.svg")), contents(path("list.rondel")));
    EXPECT_EQ(run({"--export", path("x.svg"), path("missing.rondel")}),
              std::pair(1, ("rondel: could not open \"" + path("missing.rondel") + "\": No such file or directory\n").toUtf8()));
    for (const QStringList &usage : {QStringList{"--bogus"}, {"--help-all"}, {"--export", path("x.txt"), path("list.rondel")},
                                     {"--export", path("x.svg")}, {"--scale", "3"}, {"a", "b"},
                                     {"--export", path("x.svg"), "--fps", "5", path("list.rondel")},
                                     {"--export", path("x.gif"), "--fps", "0", path("list.rondel")}})
        EXPECT_EQ(run(usage).first, 2) << usage.join(' ').toStdString();
    EXPECT_FALSE(QFileInfo::exists(path("x.svg")));
}

// The list is kept at exit and comes back by Reopen last session; an open
// inside a replay's yield takes the list whole and replays it.
TEST_F(Files, TheLastSessionComesBackAndAnOpenInsideAReplayTakesTheListWhole)
{
    for (int i = 0; i < 4; ++i)
        clickDraw();
    const std::vector<DrawingRecord> before(drawings.begin(), drawings.begin() + 4);
    exportAs(Form1->savedrawing, path("four.rondel"));
    setEndHook([] {});
    KeepLastSession();
    clickClear();
    Form1->reopen.trigger();
    ASSERT_EQ(drawCount, 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(sameBits(drawings[i], before[i])) << i;

    for (int i = 0; i < 3; ++i)
        clickDraw();
    SurfaceRecorder recorder;
    atNextYield([&] { OpenDrawingFile(path("four.rondel")); });
    clickCanvas();
    EXPECT_EQ(drawCount, 4);
    const std::vector<Color> curves = recorder.canvasCurves();
    EXPECT_EQ(std::vector<Color>(curves.end() - 4, curves.end()),
              (std::vector{before[0].color, before[1].color, before[2].color, before[3].color}));
    EXPECT_FALSE(replaying);
    setEndHook({});
}

} // namespace

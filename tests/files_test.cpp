#include "animation/animation.h"
#include "infowindows/errorwindow.h"
#include "mainwindow/drawingcolors.h"
#include "mainwindow/drawingfiles.h"
#include "support/fixtures.h"

#include <QProcess>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Files = ProgramTest;

// A family in gradient colours, with angles and pen distances that are no
// round numbers, comes back field for field, bit for bit, with the colour
// mode, the next colour and the zoom.
TEST_F(Files, AListWrittenAndReadBackIsTheSameList)
{
    // The endless film takes its gears from the boxes, to the sliders'
    // ends, and its saves open too.
    GeneratorPanel &panel = *genbox;
    panel.Check3.setValue(1);
    QString reason;
    for (const float size : {0.0f, 0.99f}) {
        int draws = 0;
        setRndSource([&] { return ++draws == 1 ? 0.1f : draws <= 4 ? size : 0.5f; });
        panel.Check1.setValue(0);
        atNextYield([&] { panel.Check1.setValue(1); }); // one pass
        animStopped = false;
        RunRandomAnimation();
        const QString name = path(QString("film%1.rondel").arg(size));
        exportAs(Form1->savedrawing, name);
        const std::optional<Drawing> film = ReadDrawingFile(name, reason);
        ASSERT_TRUE(film) << reason.toStdString();
        EXPECT_EQ(std::pair(film->records[0].statRadius, film->records[0].rotRadius),
                  size == 0 ? std::pair(175.0, 50.0) : std::pair(600.0, 350.0));
    }
    setRndSource({});

    // A full list at the smallest zoom, in random colours, with values that
    // only absurd typed input makes and JSON has no numbers for, reopens as
    // it was.
    for (int i = 0; i < DrawingSlots; ++i)
        drawings[i] = {600.0 - 50 * (i % 4), 100, i / 7.0, std::sin(i), Color(i * 40503 % 0x1000000), std::int16_t(i % 201 - 100)};
    drawings[28].penDistance = std::numeric_limits<double>::infinity();
    drawings[29].startAngle = std::numeric_limits<double>::quiet_NaN();
    drawings[30].penDistance = -std::numeric_limits<double>::infinity();
    drawCount = DrawingSlots;
    Form1->randomize.trigger();
    for (int i = 0; i < 8; ++i)
        Form1->zi.trigger();
    std::vector<DrawingRecord> full(drawings.begin(), drawings.end());
    const Color next = Form1->chip0.backColor();
    exportAs(Form1->savedrawing, path("full"));
    clickClear();
    Form1->zo.trigger();
    Form1->prims.trigger();
    ASSERT_TRUE(OpenDrawingFile(path("full.rondel")));
    // Not a number equals nothing: it is compared alone.
    EXPECT_TRUE(std::isnan(drawings[29].startAngle));
    drawings[29].startAngle = full[29].startAngle = 0;
    EXPECT_TRUE(drawCount == DrawingSlots && std::equal(full.begin(), full.end(), drawings.begin()));
    EXPECT_TRUE(zoomFactor == 1.0 / 32 && RandomColorMode() && Form1->chip0.backColor() == next);
    EXPECT_EQ(RecentDrawingFiles().value(0), path("full.rondel"));
}

// Save drawing as proposes the drawing last opened or saved; every kind of
// file has a dialog of its own, which opens where that kind was last put,
// in the next run too; Open recent lists the drawings last opened or saved.
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

    // Open recent: the last eight opened or saved, newest first, as they
    // are named, those that are gone left out; choosing one opens it, and
    // so does naming one on the command line at start-up.
    QStringList names;
    for (int i = 0; i < 10; ++i) {
        names.prepend(path(QString("a&b %1.rondel").arg(i)));
        QFile::copy(path("drawings/picture.rondel"), names.front());
        OpenDrawingFile(names.front());
    }
    QFile::remove(names[1]);
    emit Form1->openrecent.aboutToShow();
    QStringList listed;
    for (const QAction *item : Form1->openrecent.actions())
        listed << item->iconText();
    EXPECT_EQ(listed, (QStringList{names[0], names[2], names[3], names[4], names[5], names[6], names[7]}));
    Form1->openrecent.actions()[3]->trigger();
    EXPECT_EQ(RecentDrawingFiles().value(0), names[4]);
    QProcess started;
    started.start(RONDEL_PROGRAM, {names[6]});
    for (int tries = 0; tries < 100 && RecentDrawingFiles().value(0) != names[6]; ++tries)
        QTest::qWait(100);
    started.kill();
    started.waitForFinished();
    EXPECT_EQ(RecentDrawingFiles().value(0), names[6]);
}

// A file is refused, naming the first thing wrong, and nothing changes.
TEST_F(Files, RefusedFilesNameTheFirstThingWrongAndChangeNothing)
{
    clickDraw();
    const DrawingRecord kept = drawings[0];
    const QString record = R"({"statRadius": 500, "rotRadius": 200, "penDistance": 200, "startAngle": 0, )"
                           R"("gearPosition": %1, "color": %2})";
    const QString black = record.arg("0", "\"#000000\"");
    const auto file = [&](const QString &records, const QString &more = {}) {
        return QString(R"({"format": "rondel-drawing", "version": 1, "drawings": [%1]%2})").arg(records, more).toUtf8();
    };
    const struct {
        QByteArray json;
        QString reason;
    } refused[] = {
        {"", "it is empty"},
        {file(black).chopped(5), "it is not JSON: unterminated string at character 167"},
        {"[]", "it is not a Rondel drawing"},
        {R"({"format": "svg", "version": 1, "drawings": []})", "it is not a Rondel drawing (format \"svg\")"},
        {R"({"format": "rondel-drawing", "version": 2, "drawings": []})", "version 2 is newer than this Rondel reads (1)"},
        {R"({"format": "rondel-drawing", "version": 1.5, "drawings": []})", "version 1.5 is not a version of the format"},
        {QByteArray(reinterpret_cast<const char *>(u"{}"), 4), "it is not UTF-8 text"}, // UTF-16, no byte order mark
        {"{\"format\": \"rondel-drawing\xe9\"}", "it is not UTF-8 text"},
        {R"({"format": "rondel-drawing", "version": 1})", "drawings is missing"},
        {file(record.arg("40000", "\"#000000\"")), "drawing 1: gearPosition 40000 is outside -32768 to 32767"},
        {file(record.arg("1.0000001", "\"#000000\"")), "drawing 1: gearPosition 1.0000001 is not a whole number"},
        {file(record.arg("0", "\"#00000\"")), "drawing 1: color \"#00000\" is not a colour in the form #rrggbb"},
        {file(record.arg("0", "\"#١٢٣٤٥٦\"")), "drawing 1: color \"#١٢٣٤٥٦\" is not a colour in the form #rrggbb"},
        {file(record.arg("0", "\"\\n" + QString(99, 'x') + '"')),
         "drawing 1: color \"\uFFFD" + QString(38, 'x') + "…\" is not a colour in the form #rrggbb"},
        {file(black + ", " + record.arg("\"0\"", "\"#000000\"")), "drawing 2: gearPosition is not a number"},
        {file(R"({"statRadius": 1e999})"), "it is not JSON: illegal number at character 76"},
        {file("{}"), "drawing 1: statRadius is missing"},
        {file(QString(black).replace("500", "605")), "drawing 1: statRadius 605 is not a multiple of 5 from 50 to 600"},
        {file(QString(black).replace("Radius\": 200", "Radius\": 45")), "drawing 1: rotRadius 45 is not a multiple of 5 from 50 to 600"},
        {file(QString(black).replace("Radius\": 200", "Radius\": 52.5")),
         "drawing 1: rotRadius 52.5 is not a multiple of 5 from 50 to 600"},
        {file(QString(black).replace("500", "\"Infinity\"")), "drawing 1: statRadius is not a number"},
        {file("", R"(, "palette": ["#000000"])"), "palette is not a list of eight colours"},
        {file("", R"(, "palette": ["#000000", "#000000", "#000000", "#000000", "#000000", "#000000", "#000000", "red"])"),
         "palette colour 8 \"red\" is not a colour in the form #rrggbb"},
        {file("", R"(, "paletteIndex": 8)"), "paletteIndex 8 is outside 0 to 7"},
        {file("", R"(, "zoom": 2)"), "zoom 2 is outside 0.03125 to 1"},
        {file(QStringList(5002, black).join(',')), "it holds 5002 drawings, more than the list's 5001"},
    };
    const auto write = [&](const QByteArray &json) {
        QFile out(path("bad.rondel"));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(json) == json.size());
    };
    for (const auto &[json, reason] : refused) {
        write(json);
        EXPECT_FALSE(OpenDrawingFile(path("bad.rondel")));
        EXPECT_EQ(errbox->Label1.caption(), "could not open \"" + path("bad.rondel") + "\": " + reason);
        EXPECT_TRUE(drawCount == 1 && drawings[0] == kept);
    }
    ASSERT_EQ(mkfifo(QFile::encodeName(path("pipe.rondel")).constData(), 0600), 0);
    EXPECT_FALSE(OpenDrawingFile(path("pipe.rondel")));
    EXPECT_EQ(errbox->Label1.caption(), "could not open \"" + path("pipe.rondel") + "\": it is not a regular file");
    ASSERT_TRUE(QFile(path("big.rondel")).open(QIODevice::WriteOnly) && QFile::resize(path("big.rondel"), LargestDrawingFile + 1));
    EXPECT_FALSE(OpenDrawingFile(path("big.rondel")));
    EXPECT_EQ(errbox->Label1.caption(), "could not open \"" + path("big.rondel") + "\": it is larger than 16 MB");

    // Every radius the sliders make opens; a file without a palette leaves
    // the palette and its position as they were.
    QStringList everyRadius;
    for (int radius = 50; radius <= 600; radius += 5)
        everyRadius << QString(black).replace("500", QString::number(radius))
                           .replace("Radius\": 200", "Radius\": " + QString::number(650 - radius));
    write(file(everyRadius.join(',')));
    const auto colours = std::pair{palette, paletteIndex};
    EXPECT_TRUE(OpenDrawingFile(path("bad.rondel")));
    EXPECT_TRUE(drawCount == 111 && drawings[110].statRadius == 600 && drawings[110].rotRadius == 50);
    EXPECT_EQ(std::pair(palette, paletteIndex), colours);

    // A name decoded from bytes not valid in the system's encoding holds the
    // replacement character and names another file: neither read nor written.
    QFile::copy(path("bad.rondel"), path("caf\uFFFD.rondel"));
    const QString unencodable = "\": the name is not valid in the system's encoding";
    EXPECT_FALSE(OpenDrawingFile(path("caf\uFFFD.rondel")));
    EXPECT_EQ(errbox->Label1.caption(), "could not open \"" + path("caf\uFFFD.rondel") + unencodable);
    exportAs(Form1->exportsvg, path("caf\uFFFD.svg"));
    EXPECT_EQ(errbox->Label1.caption(), "could not save \"" + path("caf\uFFFD.svg") + unencodable);
    EXPECT_FALSE(QFileInfo::exists(path("caf\uFFFD.svg")));
    // A very long name loses its middle, and the window stays its size.
    errbox.unload();
    for (MenuItem *item : {&Form1->opendrawing, &Form1->exportsvg}) {
        const QString name = path(QString(3000, 'n'));
        CommonDialog::setOpenAnswer([&](const QString &) { return name; });
        exportAs(*item, name);
        const QString caption = errbox->Label1.caption();
        EXPECT_TRUE(caption.contains(dir.path()) && caption.contains("n…n") && caption.contains(name.right(20)));
        EXPECT_LT(errbox->height(), errbox->screen()->availableGeometry().height() / 3);
    }
    CommonDialog::setOpenAnswer({});
}

// The command line's export writes the same bytes as the menu's, with no
// display at all; refusals and usage errors end with 1 and 2.
TEST_F(Files, TheCommandLineExportsWhatTheMenuExports)
{
    clickDrawTimes(3);
    CommonDialog::setChoiceAnswer([](const QStringList &) { return 1; });
    exportAs(Form1->savedrawing, path("list.rondel"));
    const auto run = [&](const QStringList &arguments, const QByteArray &input = {},
                         const QString &program = RONDEL_PROGRAM) {
        QProcess rondel;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        // Without XDG_RUNTIME_DIR too, whose absence Qt notes.
        for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"})
            environment.remove(variable);
        rondel.setProcessEnvironment(environment);
        rondel.setWorkingDirectory(dir.path());
        rondel.start(program, arguments);
        rondel.write(input);
        rondel.closeWriteChannel();
        EXPECT_TRUE(rondel.waitForFinished(30000));
        return std::pair{rondel.exitCode(), rondel.readAllStandardError()};
    };
    for (const auto &[item, name] : {std::pair{&Form1->saveas, "menu.wmf"}, {&Form1->exportsvg, "menu.svg"},
                                     {&Form1->exportpng, "menu.png"}, {&Form1->exportgif, "menu.gif"},
                                     {&Form1->exportpdf, "menu.pdf"}}) {
        item->setEnabled(true);
        exportAs(*item, path(name));
        const QString out = path(QString(name).replace("menu", "line"));
        QStringList arguments{"--export", out, path("list.rondel")};
        if (out.endsWith(".png"))
            arguments << "--scale" << "2";
        EXPECT_EQ(run(arguments).first, 0) << name;
        EXPECT_EQ(contents(out), contents(path(name))) << name;
    }
    // A PDF names the drawing's file; --page chooses the paper.
    EXPECT_EQ(pdfInfo(path("line.pdf")).at("Title"), "Rondel drawing — list.rondel");
    EXPECT_EQ(run({"--export", path("letter.pdf"), "--page", "letter", path("list.rondel")}).first, 0);
    EXPECT_EQ(pdfInfo(path("letter.pdf")).at("Page size"), "612 x 792 pts (letter)");
    // A pipe is read to its end; an OUT that is FILE, under any name, is
    // refused and FILE kept.
    EXPECT_EQ(run({"--export", path("piped.svg"), "/dev/stdin"}, contents(path("list.rondel"))).first, 0);
    EXPECT_EQ(contents(path("piped.svg")), contents(path("menu.svg")));
    QFile::copy(path("list.rondel"), path("same.svg"));
    QFile::link(path("same.svg"), path("symbolic.png"));
    ASSERT_EQ(::link(QFile::encodeName(path("same.svg")).constData(), QFile::encodeName(path("hard.gif")).constData()), 0);
    for (const QString &out : {path("same.svg"), QString("./same.svg"), path("symbolic.png"), path("hard.gif")}) {
        EXPECT_EQ(run({"--export", out, path("same.svg")}),
                  std::pair(1, ("rondel: could not save \"" + out + "\": it is the drawing being exported\n").toUtf8()));
        EXPECT_EQ(contents(path("same.svg")), contents(path("list.rondel")));
    }
    EXPECT_EQ(run({"-c", "ulimit -f 1; exec \"$0\" --export \"$1\" \"$2\"", RONDEL_PROGRAM, path("big.svg"),
                   path("list.rondel")},
                  {}, "/bin/sh"),
              std::pair(1, ("rondel: could not save \"" + path("big.svg") + "\": File too large\n").toUtf8()));
    EXPECT_EQ(run({"--export", path("x.svg"), path("missing.rondel")}),
              std::pair(1, ("rondel: could not open \"" + path("missing.rondel") + "\": No such file or directory\n").toUtf8()));
    for (const QStringList &usage : {QStringList{"--bogus"}, {"--help-all"}, {"--export", path("x.txt"), path("list.rondel")},
                                     {"--export", path("x.svg")}, {"--scale", "3"}, {"a", "b"},
                                     {"--export", path("x.svg"), "--fps", "5", path("list.rondel")},
                                     {"--export", path("x.gif"), "--fps", "0", path("list.rondel")},
                                     {"--export", path("x.pdf"), "--page", "a3", path("list.rondel")},
                                     {"--export", path("x.svg"), "--page", "a4", path("list.rondel")}, {"--page", "a4"},
                                     {"-h", "--help"}})
        EXPECT_EQ(run(usage).first, 2) << usage.join(' ').toStdString();
    EXPECT_EQ(run({"--export", path("x.svg"), "--export", path("y.png"), path("list.rondel")}),
              std::pair(2, QByteArray("rondel: --export is given more than once\nTry 'rondel --help' for more.\n")));
    // A name in Latin-1, or a relative one in a folder so named, is refused,
    // and nothing is read or written under the name it decodes to.
    QFile::copy(path("list.rondel"), path("caf\uFFFD.rondel"));
    QFile::copy(path("list.rondel"), path("caf.rondel"));
    for (const char *line : {R"(exec "$0" --export "$1$(printf '\351').svg" "$1.rondel")",
                             R"(exec "$0" --export "$1.svg" "$1$(printf '\351').rondel")",
                             R"(exec "$0" "$1$(printf '\351').rondel")",
                             R"x(mkdir "$1$(printf '\351')" && cd "$1$(printf '\351')" && exec "$0" --export x.svg "$1.rondel")x"})
        EXPECT_EQ(run({"-c", line, RONDEL_PROGRAM, path("caf")}, {}, "/bin/sh").first, 2) << line;
    EXPECT_EQ(QDir(dir.path()).entryList({"*.svg"}), (QStringList{"line.svg", "menu.svg", "piped.svg", "same.svg"}));
    // A window start with no display, or one that cannot be reached, says so.
    for (const QStringList &start : {QStringList{}, {path("list.rondel")},
                                     {"-c", "DISPLAY=:7734 exec \"$0\"", RONDEL_PROGRAM}}) {
        const QString program = start.value(0) == "-c" ? "/bin/sh" : RONDEL_PROGRAM;
        EXPECT_EQ(run(start, {}, program), std::pair(1, QByteArray("rondel: no display: set DISPLAY, or use --export\n")));
    }
}

// A run's list is kept when it ends by File -> Exit or the close box,
// unless it is empty: a run ended at once, or after a clear, leaves the one
// before. Reopened in a fresh start, the drawings go on in the colours one
// run gives, a colour chosen on the chip included. An open inside a
// replay's yield takes the list whole and replays it.
TEST_F(Files, TheLastSessionKeepsWorkAndGoesOnInItsColours)
{
    int ends = 0;
    setEndHook([&] { ++ends; });
    answerColour(RGB(1, 2, 3));
    const auto colours = [] {
        std::vector<Color> list;
        for (int i = 0; i < drawCount; ++i)
            list.push_back(drawings[i].color);
        return list;
    };
    QTest::mouseClick(&Form1->chip0, Qt::LeftButton);
    clickDrawTimes(9);
    const std::vector<Color> oneRun = colours();
    Form1->exit.trigger();
    startProgram();
    QTest::mouseClick(&Form1->chip0, Qt::LeftButton);
    clickDrawTimes(3);
    Form1->exit.trigger();
    startProgram();
    Form1->close();
    startProgram();
    clickDrawTimes(1);
    clickClear();
    Form1->exit.trigger();
    startProgram();
    Form1->reopen.trigger();
    clickDrawTimes(6);
    EXPECT_EQ(colours(), oneRun);
    EXPECT_EQ(ends, 4);
    setEndHook({});

    exportAs(Form1->savedrawing, path("nine.rondel"));
    clickDrawTimes(3);
    SurfaceRecorder recorder;
    atNextYield([&] { OpenDrawingFile(path("nine.rondel")); });
    clickCanvas();
    EXPECT_EQ(drawCount, 9);
    const std::vector<Color> curves = recorder.canvasCurves();
    EXPECT_EQ(std::vector<Color>(curves.end() - 9, curves.end()), oneRun);
    EXPECT_FALSE(replaying);
}

} // namespace

#include "core/curvetrace.h"
#include "infowindows/errorwindow.h"
#include "mainwindow/canvaswindow.h"
#include "platform/savefile.h"
#include "support/fixtures.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QXmlStreamReader>
#include <fcntl.h>
#include <set>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

struct Polyline {
    QStringList attributes; // layer, stroke, fill, stroke-width
    QStringList points;
};

// An SVG picture read back: its viewBox and size, and the polylines with
// the layer each stands in.
struct SvgPicture {
    QStringList viewBox;
    QString width, height;
    std::vector<Polyline> polylines;

    explicit SvgPicture(const QString &path)
    {
        QXmlStreamReader xml(contents(path));
        QString layer;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            const QXmlStreamAttributes a = xml.attributes();
            if (xml.name() == u"svg") {
                viewBox = a.value("viewBox").toString().split(' ');
                width = a.value("width").toString();
                height = a.value("height").toString();
            } else if (xml.name() == u"g") {
                EXPECT_EQ(a.value("http://www.inkscape.org/namespaces/inkscape", "groupmode"), u"layer");
                layer = a.value("http://www.inkscape.org/namespaces/inkscape", "label").toString();
            } else if (xml.name() == u"polyline") {
                polylines.push_back({{layer, a.value("stroke").toString(), a.value("fill").toString(),
                                      a.value("stroke-width").toString()},
                                     a.value("points").toString().split(' ')});
            }
        }
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    }
};

using Pictures = ProgramTest;

TEST_F(Pictures, SvgHasALayerPerColourAndTheTracersPoints)
{
    // The third drawing has the first one's colour, and starts a hair below
    // the axis: at 0.000, not -0.000.
    drawings[0] = panelRecord(100, 40, 100, 0, -100);
    drawings[1] = panelRecord(100, 40, 100, 0, 100, RGB(255, 0, 0));
    drawings[2] = panelRecord(100, 40, 50, 1e-5, -100);
    drawCount = 3;
    exportAs(Form1->exportsvg, path("picture"));
    const SvgPicture svg(path("picture.svg"));
    ASSERT_EQ(svg.polylines.size(), 3u);
    const QRectF box(svg.viewBox.value(0).toDouble(), svg.viewBox.value(1).toDouble(), svg.viewBox.value(2).toDouble(),
                     svg.viewBox.value(3).toDouble());
    // The first layer holds drawings 0 and 2, the second drawing 1, each
    // through the tracer's very points.
    const std::array<int, 3> drawing{0, 2, 1};
    const QStringList layers{"#0000c0", "#0000c0", "#ff0000"};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(svg.polylines[i].attributes, (QStringList{layers[i], layers[i], "none", "1.000"}));
        QStringList traced;
        const auto add = [&](double x, double y) {
            traced << QString(QString::number(x, 'f', 3) + "," + QString::number(y, 'f', 3)).replace("-0.000", "0.000");
            EXPECT_TRUE(box.contains(x, y));
        };
        TraceCurve(drawings[drawing[i]], add, add);
        EXPECT_EQ(svg.polylines[i].points, traced);
    }
    EXPECT_EQ(svg.polylines[0].points.mid(0, 2), (QStringList{"500.000,0.000", "499.235,-6.269"}));
    EXPECT_EQ((QStringList{svg.width, svg.height}), (QStringList(2, QString::number(box.width() / 10, 'f', 3) + "mm")));

    // A drawing far out is written with every number whole; it never
    // closes, and goes on from polyline to polyline, each of a size XML
    // readers take.
    drawings[1] = panelRecord(100, 40, 4.9999e8, 0, -100);
    exportAs(Form1->exportsvg, path("far.svg"));
    const SvgPicture far(path("far.svg"));
    ASSERT_EQ(far.polylines.size(), 2 + ((1u << 20) + 99998) / 99999); // 2^20 + 1 points
    EXPECT_EQ(far.polylines[1].points.front(), "999980300.000,0.000");
    EXPECT_EQ(far.polylines[2].points.front(), far.polylines[1].points.back());
    EXPECT_EQ(far.polylines[1].points.size(), 100000);
}

TEST_F(Pictures, PngIsDrawnAnewACopyIsTheCanvasAndSmoothLinesShade)
{
    clickDraw();
    QStringList offered;
    CommonDialog::setChoiceAnswer([&](const QStringList &items) {
        offered = items;
        return 2; // four times the canvas
    });
    exportAs(Form1->exportpng, path("picture"));
    EXPECT_TRUE(offered.size() == 3 && offered[0].startsWith("419 × 400 pixels"));
    const QImage image(path("picture.png"));
    ASSERT_EQ(image.size(), QSize(1676, 1600));
    EXPECT_EQ(image.pixelColor(838, 800), QColor(Qt::white)); // the middle of the curve is empty
    // The curve runs through its traced points in its colour, RGB(0, 0, 192),
    // a smooth hairline that covers some pixel near each point at least half:
    // the canvas's 1000-unit square on 1676 x 1600 pixels.
    const auto onTheCurve = [&](double x, double y) {
        const QPoint pixel(int((x + 500) * 1.676), int((y + 500) * 1.6));
        bool found = !image.rect().adjusted(1, 1, -1, -1).contains(pixel);
        for (int d = 0; d < 9; ++d) {
            const QColor colour = image.pixelColor(pixel + QPoint(d % 3 - 1, d / 3 - 1));
            found |= colour.red() == colour.green() && colour.red() <= 128 && colour.blue() >= 192;
        }
        EXPECT_TRUE(found) << x << "," << y;
    };
    TraceCurve(drawings[0], onTheCurve, onTheCurve);

    Form1->copypicture.trigger();
    const QImage shown = canvas->surface().image().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), shown);
    // A closed canvas is copied as a replay would draw it.
    canvas.unload();
    Form1->copypicture.trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), shown);

    // Sharp lines have two colours; smooth ones shade their edges.
    const auto colours = [] {
        std::set<QRgb> found;
        const QImage &image = canvas->surface().image();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                found.insert(image.pixel(x, y));
        return found.size();
    };
    Form1->smooth.trigger();
    EXPECT_EQ(Form1->smooth.caption(), "sharp lines");
    clickCanvas();
    EXPECT_GT(colours(), 10u);
    Form1->smooth.trigger();
    EXPECT_EQ(Form1->smooth.caption(), "smooth lines");
    clickCanvas();
    EXPECT_EQ(colours(), 2u);
}

// Every save and export that fails names the system's reason, writes
// nothing and leaves what the name held as it was; a cancelled dialog
// writes nothing either.
TEST_F(Pictures, EveryFailingExportNamesItsReasonAndLosesNothing)
{
    clickDrawTimes(50);
    CommonDialog::setChoiceAnswer([](const QStringList &) { return 0; });
    QFile kept(path("kept.out"));
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly) && kept.write("kept") == 4);
    kept.close();
    ASSERT_EQ(mkfifo(QFile::encodeName(path("pipe")).constData(), 0600), 0);
    for (MenuItem *item : {&Form1->saveas, &Form1->exportsvg, &Form1->exportpng, &Form1->exportgif, &Form1->exportpdf}) {
        const auto failure = [&](const QString &name, const QString &reason) {
            item->setEnabled(true);
            exportAs(*item, name);
            EXPECT_EQ(errbox->Label1.caption(), "could not save \"" + name + "\": " + reason) << item->caption().toStdString();
            EXPECT_TRUE(Form1->saveas.isEnabled());
        };
        failure(path("missing/a.out"), "No such file or directory");
        failure(path("kept.out/a.out"), "Not a directory");
        failure(path("pipe"), "No such device or address"); // nobody reads it
        failure("/dev/full", "No space left on device");
        {
            const FileSizeLimit fullDisk(1000);
            failure(path("kept.out"), "File too large");
        }
        CommonDialog::setSaveAnswer([](const QString &) { return std::nullopt; });
        item->trigger();
    }
    // Drawings too far out for the formats, or with no numbers to draw.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double penPercent, degrees;
        const char *svg;
    } unwritable[] = {{1e300, 0, "is too large for an SVG picture"},
                      {1e70, 0, "is too large for an SVG picture"},
                      {5e8, 0, "is too large for an SVG picture"},
                      {nan, 0, "has a pen distance that is not a number"},
                      {100, nan, "has a start angle that is not a finite number"}};
    for (const auto &[penPercent, degrees, svg] : unwritable) {
        drawings[50] = panelRecord(100, 40, penPercent, degrees, -100);
        drawCount = 51;
        for (MenuItem *item : {&Form1->saveas, &Form1->exportsvg}) {
            exportAs(*item, path("kept.out"));
            EXPECT_EQ(errbox->Label1.caption(),
                      "could not save \"" + path("kept.out") + "\": drawing 51 " +
                          (item == &Form1->exportsvg ? svg : "lies outside the range of metafile coordinates"));
        }
    }
    EXPECT_EQ(contents(path("kept.out")), "kept");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{"kept.out", "pipe"}));
    EXPECT_FALSE(QFileInfo::exists("/dev/full.svg"));
}

// What a reader of the pipe gets that takes the data in small pieces,
// slowly, in a thread of its own, while the export writes into it.
QByteArray readSlowly(const QString &pipe, const std::function<void()> &exportIt)
{
    const QByteArray name = QFile::encodeName(pipe);
    const int reader = ::open(name.constData(), O_RDONLY | O_NONBLOCK);
    // The smallest pipe there is; the test holds a writer of its own, so
    // that the reader sees the end only once the export is done.
    EXPECT_EQ(::fcntl(reader, F_SETPIPE_SZ, 4096), 4096);
    const int held = ::open(name.constData(), O_WRONLY);
    ::fcntl(reader, F_SETFL, 0);
    QByteArray received;
    std::thread slow([&] {
        char piece[97];
        for (ssize_t n; (n = ::read(reader, piece, sizeof piece)) > 0; std::this_thread::sleep_for(std::chrono::microseconds(50)))
            received.append(piece, n);
    });
    exportIt();
    ::close(held);
    slow.join();
    ::close(reader);
    return received;
}

// A pipe (to a plotter) or a device chosen by name is written into as it
// is, never replaced, and keeps its name without an extension added; a
// slow reader gets every export as a file holds it, even when the program
// is left meanwhile.
TEST_F(Pictures, APipeIsWrittenInPlace)
{
    clickDrawTimes(40); // each file more than the pipe holds
    CommonDialog::setChoiceAnswer([](const QStringList &) { return 0; });
    ASSERT_EQ(mkfifo(QFile::encodeName(path("plotter")).constData(), 0600), 0);
    for (const auto &[item, name] : {std::pair{&Form1->saveas, "file.wmf"}, {&Form1->exportsvg, "file.svg"},
                                     {&Form1->exportpng, "file.png"}, {&Form1->exportgif, "file.gif"},
                                     {&Form1->exportpdf, "file.pdf"}, {&Form1->savedrawing, "file.rondel"}}) {
        item->setEnabled(true);
        exportAs(*item, path(name));
        item->setEnabled(true);
        EXPECT_EQ(readSlowly(path("plotter"), [&] { exportAs(*item, path("plotter")); }), contents(path(name))) << name;
    }
    EXPECT_EQ(QDir(dir.path()).entryList({"plotter*"}, QDir::AllEntries | QDir::System), QStringList{"plotter"});
    EXPECT_FALSE(QFileInfo(path("plotter")).isFile());

    // More than the pipe holds: while the reader is slow, events are handled
    // and no other save starts; a reader that goes away fails the save.
    ASSERT_EQ(mkfifo(QFile::encodeName(path("plot.svg")).constData(), 0600), 0);
    const int reader = ::open(QFile::encodeName(path("plot.svg")).constData(), O_RDONLY | O_NONBLOCK);
    QString meanwhile;
    atNextYield([&] {
        exportAs(Form1->exportpng, path("other.png")); // before its size is asked for
        meanwhile = errbox->Label1.caption();
        ::close(reader);
    });
    exportAs(Form1->exportsvg, path("plot.svg"));
    EXPECT_EQ(meanwhile, "the last save is still being written into its pipe");
    EXPECT_EQ(errbox->Label1.caption(), "could not save \"" + path("plot.svg") + "\": Broken pipe");

    // Exit while a save copies into a pipe: the program ends once the reader
    // has the whole file, not half of it.
    int ends = 0, endsAtExit = -1;
    setEndHook([&] { ++ends; });
    // The exit comes at the first yield of the copy itself, whatever yields before it.
    std::function<void()> exitWhileCopying = [&] {
        if (!SaveFile::copying())
            return atNextYield(exitWhileCopying);
        Form1->exit.trigger();
        endsAtExit = ends;
    };
    atNextYield(exitWhileCopying);
    EXPECT_EQ(readSlowly(path("plotter"), [&] { exportAs(Form1->exportsvg, path("plotter")); }), contents(path("file.svg")));
    setEndHook({});
    EXPECT_EQ((std::pair{endsAtExit, ends}), std::pair(0, 1));
}

} // namespace

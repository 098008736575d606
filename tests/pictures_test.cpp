#include "core/curvetrace.h"
#include "core/module1.h"
#include "infowindows/errorwindow.h"
#include "mainwindow/canvaswindow.h"
#include "mainwindow/mainpanel.h"
#include "platform/system.h"
#include "testsupport.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QTest>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <set>

namespace {

struct Polyline {
    QString layer, stroke, fill, width;
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
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        const QString inkscape = "http://www.inkscape.org/namespaces/inkscape";
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
                EXPECT_EQ(a.value(inkscape, "groupmode"), u"layer");
                layer = a.value(inkscape, "label").toString();
            } else if (xml.name() == u"polyline") {
                polylines.push_back({layer, a.value("stroke").toString(), a.value("fill").toString(),
                                     a.value("stroke-width").toString(), a.value("points").toString().split(' ')});
            }
        }
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    }
};

class Pictures : public ::testing::Test
{
protected:
    void SetUp() override { startProgram(); }
    void TearDown() override
    {
        CommonDialog::setSaveAnswer({});
        CommonDialog::setChoiceAnswer({});
        CommonDialog::setColorAnswer({});
    }
    QString path(const QString &name) const { return dir.filePath(name); }
    void answerSave(const QString &name)
    {
        CommonDialog::setSaveAnswer([name](const QString &) { return name; });
    }
    QTemporaryDir dir;
};

TEST_F(Pictures, SvgHasALayerPerColourAndTheTracersPoints)
{
    clickDraw();
    Form1->HScroll1.setValue(100);
    clickDraw();
    // The third drawing takes the first one's colour.
    CommonDialog::setColorAnswer([](Color) { return RGB(0, 0, 192); });
    QTest::mouseClick(&Form1->chip0, Qt::LeftButton);
    Form1->HScroll1.setValue(-100);
    Form1->VScroll3.setValue(50);
    clickDraw();
    answerSave(path("picture"));
    Form1->exportsvg.trigger();
    ASSERT_TRUE(QFileInfo::exists(path("picture.svg")));

    const SvgPicture svg(path("picture.svg"));
    ASSERT_EQ(svg.polylines.size(), 3u);
    const QRectF box(svg.viewBox.value(0).toDouble(), svg.viewBox.value(1).toDouble(), svg.viewBox.value(2).toDouble(),
                     svg.viewBox.value(3).toDouble());
    // The first layer holds drawings 0 and 2, the second drawing 1, each
    // through the tracer's very points.
    const std::array<int, 3> drawing{0, 2, 1};
    const QStringList layers{"#0000c0", "#0000c0", "#ff0000"};
    for (std::size_t i = 0; i < 3; ++i) {
        const Polyline &line = svg.polylines[i];
        EXPECT_EQ((QStringList{line.layer, line.stroke, line.fill, line.width}),
                  (QStringList{layers[i], layers[i], "none", "1.000"}));
        QStringList traced;
        const auto add = [&](double x, double y) {
            traced << QString(QString::number(x, 'f', 3) + "," + QString::number(y, 'f', 3)).replace("-0.000", "0.000");
            EXPECT_TRUE(box.contains(x, y));
        };
        TraceCurve(drawings[drawing[i]], add, add);
        EXPECT_EQ(line.points, traced);
    }
    EXPECT_EQ(svg.polylines[0].points.mid(0, 2), (QStringList{"500.000,0.000", "499.235,-6.269"}));
    EXPECT_EQ(svg.width, QString::number(box.width() / 10, 'f', 3) + "mm");
    EXPECT_EQ(svg.height, QString::number(box.height() / 10, 'f', 3) + "mm");

    // Written whole or not at all; a cancelled dialog writes nothing.
    answerSave(path("missing/picture.svg"));
    Form1->exportsvg.trigger();
    EXPECT_EQ(errbox->Label1.caption(),
              "could not save \"" + path("missing/picture.svg") + "\": No such file or directory");
    CommonDialog::setSaveAnswer([](const QString &) { return std::nullopt; });
    Form1->exportsvg.trigger();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"picture.svg"});
}

TEST_F(Pictures, PngIsDrawnAnewAtTheChosenSize)
{
    clickDraw();
    QStringList offered;
    CommonDialog::setChoiceAnswer([&](const QStringList &items) {
        offered = items;
        return 2; // four times the canvas
    });
    answerSave(path("picture"));
    Form1->exportpng.trigger();
    EXPECT_EQ(offered.size(), 3);
    EXPECT_TRUE(offered[0].startsWith("419 × 400 pixels"));
    const QImage image(path("picture.png"));
    ASSERT_EQ(image.size(), QSize(1676, 1600));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(838, 800), QColor(Qt::white)); // the middle of the curve is empty
    // The curve runs through its traced points in its colour, RGB(0, 0, 192),
    // a smooth hairline that covers some pixel near each point at least half:
    // the canvas's 1000-unit square on 1676 x 1600 pixels.
    int onTheCurve = 0, samples = 0;
    const auto check = [&](double x, double y) {
        const QPoint pixel(int((x + 500) * 1.676), int((y + 500) * 1.6));
        if (++samples % 20 != 0 || !image.rect().adjusted(1, 1, -1, -1).contains(pixel))
            return;
        bool found = false;
        for (int dx = -1; dx <= 1; ++dx) {
            for (int dy = -1; dy <= 1; ++dy) {
                const QColor colour = image.pixelColor(pixel + QPoint(dx, dy));
                found |= colour.red() == colour.green() && colour.red() <= 128 && colour.blue() >= 192;
            }
        }
        onTheCurve += found;
    };
    TraceCurve(drawings[0], check, check);
    EXPECT_EQ(onTheCurve, samples / 20);
}

TEST_F(Pictures, CopyPictureAndSmoothLines)
{
    clickDraw();
    Form1->copypicture.trigger();
    const QImage copied = QGuiApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), canvas->surface().image().size());
    EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32), canvas->surface().image().convertToFormat(QImage::Format_RGB32));

    // Sharp lines have two colours; smooth ones shade their edges.
    const auto colours = [] {
        std::set<QRgb> found;
        const QImage &image = canvas->surface().image();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                found.insert(image.pixel(x, y));
        return found.size();
    };
    EXPECT_EQ(colours(), 2u);
    // A closed canvas is copied as a replay would draw it.
    const QImage shown = canvas->surface().image().convertToFormat(QImage::Format_RGB32);
    canvas.unload();
    Form1->copypicture.trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), shown);
    Form1->smooth.trigger();
    EXPECT_EQ(Form1->smooth.caption(), "sharp lines");
    clickCanvas();
    EXPECT_GT(colours(), 10u);
    Form1->smooth.trigger();
    EXPECT_EQ(Form1->smooth.caption(), "smooth lines");
    clickCanvas();
    EXPECT_EQ(colours(), 2u);
}

// Failed exports name the system's reason and leave nothing behind; a
// drawing too large for an SVG picture is refused by its number.
TEST_F(Pictures, FailedExportsNameTheirReasonAndWriteNothing)
{
    clickDraw();
    CommonDialog::setChoiceAnswer([](const QStringList &) { return 0; });
    const auto failure = [&](MenuItem &item, const QString &name, const QString &reason) {
        answerSave(name);
        item.trigger();
        EXPECT_EQ(errbox->Label1.caption(), "could not save \"" + name + "\": " + reason);
    };
    {
        const FileSizeLimit fullDisk(1000);
        failure(Form1->exportsvg, path("full.svg"), "File too large");
        failure(Form1->exportpng, path("full.png"), "File too large");
    }
    for (const double penPercent : {1e300, 1e70, 5e8}) {
        drawings[1] = panelRecord(100, 40, penPercent, 0, -100);
        drawCount = 2;
        failure(Form1->exportsvg, path("far.svg"), "drawing 2 is too large for an SVG picture");
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
    // Far, but not too far: every number is written whole.
    drawings[1] = panelRecord(100, 40, 4.9999e8, 0, -100);
    answerSave(path("far.svg"));
    Form1->exportsvg.trigger();
    const SvgPicture svg(path("far.svg"));
    ASSERT_EQ(svg.polylines.size(), 2u);
    EXPECT_EQ(svg.polylines[1].points.front(), "999980300.000,0.000");
}

// A pipe (to a plotter) or a device chosen by name is written as it is:
// never replaced, no extension added, its failures named.
TEST_F(Pictures, APipeOrADeviceIsWrittenInPlace)
{
    clickDraw();
    for (const QString &name : {QString("plot.svg"), QString("plotter")}) {
        const QByteArray pipe = QFile::encodeName(path(name));
        ASSERT_EQ(mkfifo(pipe.constData(), 0600), 0);
        const int reader = ::open(pipe.constData(), O_RDONLY | O_NONBLOCK);
        answerSave(path(name));
        Form1->exportsvg.trigger();
        char start[5] = {};
        EXPECT_EQ(::read(reader, start, 5), 5);
        EXPECT_EQ(QByteArray(start, 5), "<?xml");
        ::close(reader);
        EXPECT_FALSE(QFileInfo(path(name)).isFile());
    }
    EXPECT_FALSE(QFileInfo::exists(path("plotter.svg")));
    const auto failure = [&](const QString &name, const QString &reason) {
        answerSave(name);
        Form1->exportsvg.trigger();
        EXPECT_EQ(errbox->Label1.caption(), "could not save \"" + name + "\": " + reason);
    };
    failure(path("plot.svg"), "No such device or address"); // nobody reads the pipe
    failure("/dev/full", "No space left on device");
    EXPECT_FALSE(QFileInfo::exists("/dev/full.svg"));
}

} // namespace

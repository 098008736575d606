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
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QTest>
#include <gtest/gtest.h>
#include <set>

namespace {

struct Polyline {
    QString layer, stroke, fill, width;
    QStringList points;
};

// An SVG picture read back: its viewBox and size, and the polylines with
// the layer each stands in.
struct SvgPicture {
    QRectF viewBox;
    QString width, height;
    std::vector<Polyline> polylines;

    explicit SvgPicture(const QString &path)
    {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        QXmlStreamReader xml(&file);
        QString layer;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            const QXmlStreamAttributes attributes = xml.attributes();
            if (xml.name() == u"svg") {
                const QStringList box = attributes.value("viewBox").toString().split(' ');
                viewBox = QRectF(box.value(0).toDouble(), box.value(1).toDouble(), box.value(2).toDouble(),
                                 box.value(3).toDouble());
                width = attributes.value("width").toString();
                height = attributes.value("height").toString();
            } else if (xml.name() == u"g") {
                EXPECT_EQ(attributes.value("http://www.inkscape.org/namespaces/inkscape", "groupmode"), u"layer");
                layer = attributes.value("http://www.inkscape.org/namespaces/inkscape", "label").toString();
            } else if (xml.name() == u"polyline") {
                polylines.push_back({layer, attributes.value("stroke").toString(), attributes.value("fill").toString(),
                                     attributes.value("stroke-width").toString(),
                                     attributes.value("points").toString().split(' ')});
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

TEST_F(Pictures, TheNewItemsStandAfterTheDesignedOnes)
{
    const auto captions = [](const QString &menu) {
        QStringList found;
        for (QAction *item : Form1->menuBar().actions())
            if (item->text() == menu)
                for (QAction *action : item->menu()->actions())
                    found << action->text();
        return found;
    };
    EXPECT_EQ(captions("&File"), (QStringList{"&Save as  (.wmf)", "Export as S&VG…", "Export as P&NG…", "E&xit"}));
    EXPECT_EQ(captions("Edit"), (QStringList{"&Random colors", "primary colors", "Generator", "&Copy picture"}));
    EXPECT_EQ(captions("View"), (QStringList{"zoom in", "zoom out", "smooth lines"}));
    EXPECT_EQ(Form1->exportsvg.shortcut(), QKeySequence("Ctrl+Shift+S"));
    EXPECT_EQ(Form1->copypicture.shortcut(), QKeySequence("Ctrl+C"));
}

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
    EXPECT_EQ((QStringList{svg.polylines[0].layer, svg.polylines[1].layer, svg.polylines[2].layer}),
              (QStringList{"#0000c0", "#0000c0", "#ff0000"}));
    // The first layer holds drawings 0 and 2, the second drawing 1.
    const std::array<int, 3> drawing{0, 2, 1};
    for (std::size_t i = 0; i < 3; ++i) {
        const Polyline &line = svg.polylines[i];
        EXPECT_EQ(line.stroke, line.layer);
        EXPECT_EQ(line.fill, "none");
        EXPECT_EQ(line.width, "1.000");
        QStringList traced;
        const auto add = [&](double x, double y) {
            traced << QString::number(x, 'f', 3).replace("-0.000", "0.000") + "," +
                          QString::number(y, 'f', 3).replace("-0.000", "0.000");
        };
        TraceCurve(drawings[drawing[i]], add, add);
        EXPECT_EQ(line.points, traced);
        for (const QString &point : line.points) {
            const QStringList xy = point.split(',');
            ASSERT_TRUE(svg.viewBox.contains(xy[0].toDouble(), xy[1].toDouble())) << point.toStdString();
        }
    }
    EXPECT_EQ(svg.polylines[0].points.size(), 401);
    EXPECT_EQ(svg.polylines[0].points.mid(0, 2), (QStringList{"500.000,0.000", "499.235,-6.269"}));
    EXPECT_EQ(svg.polylines[2].points.front(), "900.000,0.000");
    EXPECT_EQ(svg.width, QString::number(svg.viewBox.width() / 10, 'f', 3) + "mm");
    EXPECT_EQ(svg.height, QString::number(svg.viewBox.height() / 10, 'f', 3) + "mm");

    // A real renderer takes it without a complaint.
    const QString tool = QStandardPaths::findExecutable("rsvg-convert");
    ASSERT_FALSE(tool.isEmpty()) << "rsvg-convert (Debian package librsvg2-bin) is needed";
    QProcess render;
    render.start(tool, {"-o", path("rendered.png"), path("picture.svg")});
    ASSERT_TRUE(render.waitForFinished(30000));
    EXPECT_EQ(render.exitCode(), 0);
    EXPECT_EQ(render.readAllStandardError(), QByteArray());
    EXPECT_FALSE(QImage(path("rendered.png")).isNull());
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

TEST_F(Pictures, ExportsAreWrittenWholeOrNotAtAll)
{
    clickDraw();
    CommonDialog::setSaveAnswer([](const QString &) { return std::nullopt; });
    Form1->exportsvg.trigger();
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    answerSave(path("missing/picture.svg"));
    Form1->exportsvg.trigger();
    EXPECT_EQ(errbox->Label1.caption(),
              "could not save \"" + path("missing/picture.svg") + "\": No such file or directory");
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
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
    Form1->smooth.trigger();
    EXPECT_EQ(Form1->smooth.caption(), "sharp lines");
    clickCanvas();
    EXPECT_GT(colours(), 10u);
    Form1->smooth.trigger();
    EXPECT_EQ(Form1->smooth.caption(), "smooth lines");
    clickCanvas();
    EXPECT_EQ(colours(), 2u);
}

} // namespace

#include "infowindows/helpwindow.h"
#include "mainwindow/canvaswindow.h"
#include "support/fixtures.h"

#include <QApplication>
#include <QClipboard>

namespace {

struct ZoomCase {
    const char *name;
    int zoomIns;  // or zoom-outs when negative
    double factor;
    float low, high; // canvas corners
    float boxLow, boxHigh;
    const char *percent;
    int beeps;
};

using Zoom = ::testing::TestWithParam<ZoomCase>;

TEST_P(Zoom, CommandsFromTheStartValue)
{
    const ZoomCase &c = GetParam();
    SurfaceRecorder recorder;
    startProgram();
    for (int i = 0; i < std::abs(c.zoomIns); ++i)
        (c.zoomIns > 0 ? Form1->zi : Form1->zo).trigger();

    EXPECT_DOUBLE_EQ(zoomFactor, c.factor);
    EXPECT_EQ(beepCount(), c.beeps);
    EXPECT_EQ(recorder.on("canvas").at(recorder.on("canvas").size() - 1),
              (SurfaceOp{"canvas", SurfaceOp::Scale, c.low, c.low, c.high, c.high, 0}));
    EXPECT_EQ(recorder.on("Picture1", SurfaceOp::Scale).back(),
              (SurfaceOp{"Picture1", SurfaceOp::Scale, c.boxLow, c.boxLow, c.boxHigh, c.boxHigh, 0}));
    EXPECT_EQ((QStringList{canvas->caption(), Form1->Label6.caption()}),
              (QStringList{QString("canvas  ") + c.percent, QString("status  ") + c.percent}));
}

INSTANTIATE_TEST_SUITE_P(
    Canvas, Zoom,
    ::testing::Values(ZoomCase{"Start", 0, 0.25, -500, 500, -100, 100, " 25%", 0},
                      ZoomCase{"In1", 1, 0.17677669529663687, -354, 353, -71, 70, " 17%", 0},
                      ZoomCase{"In2", 2, 0.12499999999999999, -250, 249, -50, 49, " 12%", 0},
                      ZoomCase{"In5", 5, 0.0441941738241592, -89, 88, -18, 17, " 4%", 0},
                      ZoomCase{"In6ClampsWithABeep", 6, 0.03125, -63, 62, -13, 12, " 3%", 1},
                      ZoomCase{"In7BeepsAgain", 7, 0.03125, -63, 62, -13, 12, " 3%", 2},
                      ZoomCase{"Out1", -1, 0.3535533905932738, -708, 707, -142, 141, " 35%", 0},
                      ZoomCase{"Out2", -2, 0.5000000000000001, -1001, 1000, -201, 200, " 50%", 0},
                      ZoomCase{"Out3", -3, 0.7071067811865477, -1415, 1414, -283, 282, " 70%", 0},
                      ZoomCase{"Out4ClampsWithABeep", -4, 1, -2000, 2000, -400, 400, " 100%", 1}),
    [](const auto &info) { return std::string(info.param.name); });

struct PaperCase {
    const char *name;
    QRgb base, text, window; // the system's colours for documents and panels, and for text
    QRgb paper, ink;         // the canvas and setup box, and text on them and in the help
};

using Paper = ::testing::TestWithParam<PaperCase>;

// The drawings' colours are dark: under a dark theme the canvas, its copy
// and the setup box stay white paper, while the panel around them follows
// the theme. Text on paper, and on the help window's light background,
// stands out.
TEST_P(Paper, CanvasAndSetupBoxStayLightUnderEveryTheme)
{
    const PaperCase &c = GetParam();
    QPalette theme = QApplication::palette();
    theme.setColor(QPalette::Base, c.base);
    theme.setColor(QPalette::Text, c.text);
    theme.setColor(QPalette::WindowText, c.text);
    theme.setColor(QPalette::Window, c.window);
    QApplication::setPalette(theme);
    startProgram();
    clickDraw();
    Form1->copypicture.trigger();
    Form1->vhelp.trigger();
    const auto corner = [](const QImage &image) { return image.pixel(0, 0) & RGB_MASK; };
    const auto ink = [](const Label &label) { return label.palette().color(label.foregroundRole()).rgb() & RGB_MASK; };
    EXPECT_EQ((std::vector{corner(canvas->surface().image()), corner(QGuiApplication::clipboard()->image()),
                           corner(Form1->Picture1.surface().image()), ink(Form1->Label6), ink(help1->Label1),
                           corner(Form1->surface().image())}),
              (std::vector{c.paper, c.paper, c.paper, c.ink, c.ink, c.window}));
}

INSTANTIATE_TEST_SUITE_P(
    Canvas, Paper,
    ::testing::Values(PaperCase{"Dark", 0x2d2d2d, 0xffffff, 0x353535, 0xffffff, 0},
                      PaperCase{"Light", 0xfdf6e3, 0x657b83, 0xeee8d5, 0xfdf6e3, 0x657b83},
                      PaperCase{"GreyAtHalf", 0x808080, 0, 0x909090, 0x808080, 0},
                      PaperCase{"GreyBelowHalf", 0x7f7f7f, 0xffffff, 0x707070, 0xffffff, 0}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace

#include "mainwindow/canvaswindow.h"
#include "support/fixtures.h"

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

class Zoom : public ::testing::TestWithParam<ZoomCase>
{
};

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

} // namespace

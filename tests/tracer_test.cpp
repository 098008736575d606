#include "mainwindow/canvaswindow.h"
#include "support/fixtures.h"

#include <algorithm>

namespace {

class Tracer : public ProgramTest
{
protected:
    std::vector<SurfaceOp> trace(const DrawingRecord &record, std::int16_t slot = 0)
    {
        drawings.at(slot) = record;
        SurfaceRecorder recorder;
        DrawCurve(slot);
        return recorder.on("canvas");
    }
};

struct CurveCase {
    const char *name;
    double stat, rot, pen, degrees;
    int position;
    int segments;
    float x0, y0, x1, y1; // P0 and the first sample, when given
};

class Curves : public Tracer, public ::testing::WithParamInterface<CurveCase>
{
};

// The curve starts on the line through both centres and closes by the
// closing rule, back at P0.
TEST_P(Curves, StartWhereTheCentresLineUpAndCloseByTheRule)
{
    const CurveCase &c = GetParam();
    const std::vector<SurfaceOp> ops = trace(panelRecord(c.stat, c.rot, c.pen, c.degrees, c.position));
    EXPECT_EQ(int(ops.size()) - 1, c.segments);
    EXPECT_EQ(QPointF(ops.back().x2, ops.back().y2), QPointF(ops.front().x1, ops.front().y1));
    if (c.x0 != 0 || c.y0 != 0) {
        EXPECT_LT(QLineF(ops[0].x1, ops[0].y1, c.x0, c.y0).length(), 1e-3);
        EXPECT_LT(QLineF(ops[1].x2, ops[1].y2, c.x1, c.y1).length(), 5e-3);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tracer, Curves,
    ::testing::Values(CurveCase{"StartUpCurve", 100, 40, 100, 0, -100, 400, 500, 0, 499.235f, -6.269f},
                      CurveCase{"OutsideTurnsTheSameWay", 100, 40, 100, 0, 100, 400, 900, 0, 899.038f, 37.679f},
                      // k = -R/r on the rim: the pen's turn cancels the
                      // centre's at first, where turning with it would move
                      // the first sample 31 units down.
                      CurveCase{"RimCentredTurnsAgainstTheCentre", 100, 40, 100, 0, 0, 400, 700, 0, 699.137f, 0.0136f},
                      CurveCase{"NinetyDegreesIsStraightAbove", 100, 40, 100, 90, -100, 400, 0, -500, -6.269f, -499.235f},
                      CurveCase{"HalfSizeGear", 100, 50, 50, 0, -100, 200, 0, 0, 0, 0},
                      CurveCase{"CircleOfSmallGear", 120, 10, 0, 0, 100, 960, 0, 0, 0, 0},
                      CurveCase{"NearlyEqualGears", 120, 119, 100, 0, -100, 23800, 0, 0, 0, 0},
                      CurveCase{"LongestSliderCurve", 119, 120, 50, 0, -100, 24000, 0, 0, 0, 0},
                      CurveCase{"CentreAndPenAtOrigin", 100, 100, 0, 0, -100, 1, 0, 0, 0, 0},
                      CurveCase{"CuspAtP0", 10, 40, 100, 0, 0, 1, 0, 0, 0, 0},
                      CurveCase{"PassesP0BeforeClosing", 10, 40, 25, 0, -50, 160, 0, 0, 0, 0},
                      CurveCase{"ToAndFroOnALine", 10, 10, 50, 0, -50, 1, 0, 0, 0, 0},
                      // 40 R / r = 285.7 and 666.7: 285 and 666 steps per
                      // half turn, over 7 and 3 turns.
                      CurveCase{"StepsOfARatioThatIsNotWhole", 100, 14, 100, 0, -100, 3990, 0, 0, 0, 0},
                      CurveCase{"StepsOfAnotherRatioThatIsNotWhole", 100, 6, 100, 0, -100, 3996, 0, 0, 0, 0},
                      // The first sample lies 0.079 from P0: beyond the
                      // step, although its square is not.
                      CurveCase{"ClosingDistanceIsNotSquared", 10, 10, 5, 0, -100, 200, 0, 0, 0, 0}),
    [](const auto &info) { return std::string(info.param.name); });

// Curves that draw nothing leave no mark; slots out of bounds and records
// that could never close are not traced; a closed canvas comes back and the
// curve starts at P0 on it.
TEST_F(Tracer, EdgesOfTheListAndOfTheCanvas)
{
    const QImage before = canvas->surface().image();
    trace(panelRecord(10, 40, 100, 0, 0)); // the cusp at P0
    trace(panelRecord(100, 100, 0, 0, -100)); // every sample at the origin
    EXPECT_EQ(canvas->surface().image(), before);

    EXPECT_EQ(trace(panelRecord(100, 40, 100, 0, -100), 5000).size(), 401u);
    EXPECT_THROW(DrawCurve(5001), std::out_of_range);
    EXPECT_THROW(DrawCurve(-1), std::out_of_range);
    // No rolling gear, and 40 R / r below 1.
    EXPECT_TRUE(trace(panelRecord(100, 0, 100, 0, -100)).empty() && trace(panelRecord(1, 100, 100, 0, -100)).empty());

    canvas.unload();
    DoEvents();
    const std::vector<SurfaceOp> ops = trace(panelRecord(100, 40, 100, 0, -100));
    EXPECT_TRUE(canvas->isVisible());
    const auto firstLineTo = std::find_if(ops.begin(), ops.end(), [](auto &op) { return op.kind == SurfaceOp::LineTo; });
    ASSERT_NE(firstLineTo, ops.end());
    EXPECT_EQ(QPointF(firstLineTo->x1, firstLineTo->y1), QPointF(500, 0));
}

} // namespace

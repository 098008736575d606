#include "generator/gradient.h"
#include "infowindows/errorwindow.h"
#include "mainwindow/canvaswindow.h"
#include "support/fixtures.h"

namespace {

using Generator = GeneratorTest;

TEST_F(Generator, DesignedRowsAppendFiftyOneCurvesAndReplayTheWholeList)
{
    clickDrawTimes(2);
    SurfaceRecorder recorder;
    clickGeneratorDraw();
    ASSERT_EQ(drawCount, 53);
    // The primary cycle starts with the chip's design colour; each curve of
    // the family takes the colour after the chip's.
    std::vector<Color> colours{RGB(0, 0, 192), palette[1]};
    for (int k = 0; k <= 50; ++k)
        colours.push_back(palette[(3 + k) % 8]);
    EXPECT_EQ(Form1->chip0.backColor(), palette[(3 + 50) % 8]);
    // The canvas is cleared and shows the earlier drawings, then the family.
    EXPECT_EQ(recorder.on("canvas").front().kind, SurfaceOp::Clear);
    EXPECT_EQ(recorder.canvasCurves(), colours);
    EXPECT_TRUE(Form1->saveas.isEnabled() && !screeen->isVisible());
    EXPECT_EQ(frameDelay, 33);
    EXPECT_EQ(recorder.on("meter").back(), (SurfaceOp{"meter", SurfaceOp::Scale, 0, 0, 30, 1, 0}));
}

struct SweepCase {
    const char *name;
    int row; // the stepped row: 0 pen distance, 1 start angle, 2 gear position
    const char *from, *to, *step;
    int curves;
    double n;
};

class Sweep : public Generator, public ::testing::WithParamInterface<SweepCase>
{
};

// The stepped row's values come from repeated addition up to an inclusive
// bound; the other rows move by k / n, read here from the pen distance
// (from 0 to 100 %), the start angle (from 0 to 180 degrees) or the gear
// position (from 98 to 99).
TEST_P(Sweep, StepsTheRowAndMovesTheOthersByTheIntervalCount)
{
    const SweepCase &c = GetParam();
    const std::array<GeneratorPanel::Row, 3> rows = panel().rows();
    select(*std::array<OptionButton *, 3>{&panel().Option1, &panel().Option2, &panel().Option3}[c.row]);
    typeRow(rows[0], "0", "100", "5");
    typeRow(rows[1], "0", "180", "30");
    typeRow(rows[2], "98", "99", "1");
    typeRow(rows[c.row], c.from, c.to, c.step);
    clickGeneratorDraw();
    ASSERT_EQ(drawCount, c.curves);

    double s = std::stod(c.from);
    for (int k = 0; k < c.curves; ++k, s = s + std::stod(c.step)) {
        const DrawingRecord &record = drawings[k];
        const double fraction = k / c.n;
        EXPECT_EQ(record.penDistance, ((c.row == 0 ? s : fraction * 100) / 100) * 200);
        EXPECT_EQ(record.startAngle, ((c.row == 1 ? s : fraction * 180) / 180) * pi);
        // Halves round to the even neighbour: 98.5 is 98.
        EXPECT_EQ(record.gearPosition, std::nearbyint(c.row == 2 ? s : 98 + fraction));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Generator, Sweep,
    ::testing::Values(SweepCase{"DesignedPenDistances", 0, "0", "250", "5", 51, 50},
                      SweepCase{"StepPastTheEnd", 0, "0", "250", "30", 9, 8},
                      SweepCase{"CountRoundsUp", 0, "0", "260", "30", 9, 9},
                      SweepCase{"HalfRoundsToEvenTwo", 0, "0", "10", "4", 3, 2},
                      SweepCase{"HalfRoundsToEvenFour", 0, "0", "14", "4", 4, 4},
                      SweepCase{"FromEqualsTo", 0, "40", "40", "5", 1, 1},
                      SweepCase{"Downwards", 0, "100", "0", "-25", 5, 4},
                      SweepCase{"StartAngles", 1, "0", "60", "30", 3, 2},
                      SweepCase{"GearPositions", 2, "-100", "100", "50", 5, 4},
                      SweepCase{"GearPositionsBy30", 2, "-100", "100", "30", 7, 6},
                      // Whole numbers before the division: 2.5 counts as 2,
                      // and the positions -97.5, -92.5 round to -98, -92.
                      SweepCase{"GearStepRoundsDown", 2, "-100", "100", "2.5", 81, 100},
                      // 3.5 counts as 4: the fractions run up to 1.14.
                      SweepCase{"GearStepRoundsUp", 2, "-100", "100", "3.5", 58, 50}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(Generator, FamiliesThatCannotBeMadeChangeNothingAndWrongStepsAreTurnedRound)
{
    GeneratorPanel &p = panel();
    clickDraw();
    Form1->saveas.setEnabled(false); // as after a save
    int count = 1;
    SurfaceRecorder recorder;
    const auto refused = [&](const QString &message) {
        clickGeneratorDraw();
        EXPECT_EQ(errbox->Label1.caption(), message);
        EXPECT_EQ(drawCount, count);
        EXPECT_EQ(Form1->chip0.backColor(), palette[1]);
        EXPECT_FALSE(Form1->saveas.isEnabled());
        EXPECT_TRUE(recorder.on("canvas").empty());
        EXPECT_EQ(frameDelay, 0);
    };
    // An emptied step box counts even when its row is not stepped.
    type(p.Text3, "");
    select(p.Option2);
    EXPECT_TRUE(!p.Text3.isEnabled() && p.Text6.isEnabled());
    refused("all generator values must be numbers");
    EXPECT_EQ(beepCount(), 1);
    select(p.Option1);
    type(p.Text3, "5");
    // The designed step 0 of the gear position row passes until it is the
    // stepped row.
    select(p.Option3);
    refused("step value cannot be 0");
    select(p.Option1);
    // A step too small to move the row on is named, not walked for ever.
    typeRow(p.rows()[0], "1e20", "2e20", "1");
    refused("the pen radius step is too small to move on from 1e+20");
    typeRow(p.rows()[0], "0", "1e20", "1");
    refused("this family needs more than 5001 curves but the drawing list has room for 5000 more");
    typeRow(p.rows()[0], "0", "250", "5");
    count = drawCount = DrawingSlots - 10;
    refused("this family needs 51 curves but the drawing list has room for 10 more");
    count = drawCount = 1;
    select(p.Option3);
    typeRow(p.rows()[2], "-100", "100", "-0.5");
    refused("the gear position step must be larger than 0.5");
    select(p.Option1);
    type(p.Text7, "40000");
    refused("gear positions must lie between -32768 and 32767");
    // From equal to to: one curve, whatever the step; an angle far beyond a
    // turn is kept within one.
    type(p.Text7, "-100");
    typeRow(p.rows()[0], "1e20", "1e20", "1");
    typeRow(p.rows()[1], "1e9", "1e9", "30");
    clickGeneratorDraw();
    EXPECT_EQ(drawCount, 2);
    EXPECT_EQ(drawings[1].startAngle, (280.0 / 180) * pi);

    // A step of the wrong sign is turned round.
    const struct {
        const char *from, *to, *step, *corrected;
    } angles[] = {{"60", "0", "30", "-30"}, {"0", "60", "-30", "30"}, {"45", "45", "-10", "-10"}, {"0", "60", "0", "0"}};
    for (const auto &angle : angles) {
        typeRow(p.rows()[0], "10", "0", "+5.0");
        // A row that is not stepped is corrected all the same.
        for (const auto &[box, text] : {std::pair{&p.Text4, angle.from}, {&p.Text5, angle.to}, {&p.Text6, angle.step}})
            box->setText(text);
        EXPECT_TRUE(p.gencheck());
        EXPECT_EQ((QStringList{p.Text6.text(), p.Text3.text()}), (QStringList{angle.corrected, "-5"}));
    }
}

// The gradient mixes the five boxes in single precision; a family takes
// the box colours, a chosen one included, while the chip moves on.
TEST_F(Generator, GradientColoursAFamilyFromTheFiveBoxes)
{
    const struct {
        float f;
        Color expected;
    } table[] = {{0, RGB(255, 0, 0)},      {0.1f, RGB(255, 51, 0)},    {0.25f, RGB(255, 128, 0)},
                 {0.26f, RGB(255, 133, 0)}, {0.6f, RGB(153, 230, 0)},   {0.625f, RGB(128, 224, 0)},
                 {0.74f, RGB(10, 195, 0)},  {0.75f, RGB(0, 192, 0)},    {1, RGB(0, 0, 192)},
                 // Past the end with the gear position row: green would be
                 // -107.52 and counts as 0.
                 {1.14f, RGB(0, 0, 255)}};
    for (const auto &row : table)
        EXPECT_EQ(GeneratorGradient(row.f), row.expected) << row.f;

    // The five boxes share one dialog, which opens on the colour last
    // chosen in it: black before any, which a Cancel then gives the box;
    // every click ticks "gradient".
    const Color K = RGB(10, 20, 30);
    answerColour(std::nullopt);
    QTest::mouseClick(&panel().Picture1, Qt::LeftButton);
    EXPECT_EQ(panel().Check2.value(), 1);
    panel().Check2.setValue(0);
    answerColour(K);
    QTest::mouseClick(&panel().Picture3, Qt::LeftButton);
    answerColour(std::nullopt);
    QTest::mouseClick(&panel().Picture5, Qt::LeftButton);
    EXPECT_EQ(coloursShown, (std::vector<Color>{0, 0, K}));
    EXPECT_EQ(panel().Check2.value(), 1);
    select(panel().Option3);
    typeRow(panel().rows()[2], "-100", "100", "50");
    clickGeneratorDraw();
    EXPECT_EQ((std::vector{drawCount, std::int16_t(paletteIndex)}), (std::vector<std::int16_t>{5, 5}));
    EXPECT_EQ((std::vector{drawings[0].color, drawings[1].color, drawings[2].color, drawings[3].color, drawings[4].color}),
              (std::vector<Color>{RGB(0, 0, 0), RGB(255, 128, 0), K, RGB(0, 192, 0), K}));
}

TEST_F(Generator, CancelKeepsTheValuesAndClosingBringsBackTheDesign)
{
    type(panel().Text2, "120");
    QTest::mouseClick(&panel().Command2, Qt::LeftButton);
    EXPECT_FALSE(genbox->isVisible());
    Form1->gen.trigger();
    EXPECT_TRUE(genbox->isVisible() && genbox->Text2.text() == "120");

    // Closed in the replay that its own "draw" started: the replay stops
    // after one curve, and the panel goes once its handler has returned.
    Form1->HScroll1.setValue(-30);
    SurfaceRecorder recorder;
    atNextYield([] { genbox->close(); });
    clickGeneratorDraw();
    EXPECT_EQ(recorder.canvasCurves().size(), 1u);
    EXPECT_TRUE(!replaying && animStopped);
    DoEvents();
    fullScreen = true;
    Form1->gen.trigger();
    EXPECT_EQ((QStringList{genbox->Text2.text(), genbox->Text7.text(), genbox->Text8.text()}),
              (QStringList{"250", "-30", "-30"}));
    EXPECT_TRUE(!fullScreen && penWidth == 1);

    clickDraw();
    recorder.clear();
    QTest::mouseClick(&genbox->Command3, Qt::LeftButton);
    EXPECT_TRUE(drawCount == 0 && !Form1->saveas.isEnabled());
    EXPECT_EQ(recorder.on("canvas"), (std::vector<SurfaceOp>{{"canvas", SurfaceOp::Clear, 0, 0, 0, 0,
                                                               canvas->surface().backColor()}}));
}

} // namespace

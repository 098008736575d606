#include "mainwindow/drawingcolors.h"
#include "support/fixtures.h"

namespace {

class Colors : public ProgramTest
{
protected:
    // Draws and returns the colour the drawing took.
    Color draw()
    {
        clickDraw();
        return drawings.at(drawCount - 1).color;
    }
    void clickChip() { QTest::mouseClick(&Form1->chip0, Qt::LeftButton); }
};

TEST_F(Colors, RandomModeKeepsThePrimarySlotAndTheModesRedrawThePen)
{
    draw();
    draw();
    SurfaceRecorder recorder;
    Form1->randomize.trigger();
    EXPECT_TRUE(!Form1->randomize.isEnabled() && Form1->prims.isEnabled());
    EXPECT_EQ(recorder.on("Picture1").back().color, Form1->chip0.backColor());
    for (int i = 0; i < 3; ++i)
        draw();
    EXPECT_EQ(paletteIndex, 2);
    Form1->prims.trigger();
    EXPECT_TRUE(Form1->randomize.isEnabled() && !Form1->prims.isEnabled());
    EXPECT_EQ(recorder.on("Picture1").back().color, RGB(0, 0, 0));
    EXPECT_EQ(draw(), RGB(0, 0, 0));
    EXPECT_EQ(draw(), palette[3]);
}

TEST_F(Colors, RandomColorsAreDarkAndTheSameInEveryRun)
{
    // Never seeded: every run starts with the same colour.
    EXPECT_EQ(RandomColor(), 885683u);
    int light = 0;
    for (int i = 0; i < 20000; ++i) {
        const Color c = RandomColor();
        ASSERT_LE(redOf(c) + greenOf(c) + blueOf(c), 400);
        ASSERT_EQ(c >> 24, 0u);
        light += redOf(c) + greenOf(c) + blueOf(c) > 300;
    }
    EXPECT_GT(light, 1000); // the whole accepted range is reached
}

TEST_F(Colors, ChipTakesTheDialogsColourIntoTheCurrentSlot)
{
    // Cancelled before any choice: the dialog still holds black.
    answerColour(std::nullopt);
    clickDraw();
    clickChip();
    EXPECT_EQ((std::vector{Form1->chip0.backColor(), palette[1], draw()}), (std::vector<Color>(3, RGB(0, 0, 0))));

    // In random mode the choice fills the slot too, and only the next
    // drawing takes it.
    Form1->randomize.trigger();
    const Color K = RGB(10, 20, 30);
    answerColour(K);
    clickChip();
    EXPECT_EQ((std::vector{palette[2], draw()}), (std::vector{K, K}));
    EXPECT_NE(draw(), K);

    // The dialog opens on the last choice.
    answerColour(std::nullopt);
    clickChip();
    EXPECT_EQ(coloursShown, (std::vector<Color>{0, 0, K}));
    EXPECT_EQ(Form1->chip0.backColor(), K);
}

} // namespace

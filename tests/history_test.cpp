#include "animation/animation.h"
#include "mainwindow/drawingfiles.h"
#include "support/fixtures.h"

namespace {

// The list (colours and pen distances), the chip, the palette position,
// the colour mode and Save as: what a step takes back.
using State = std::tuple<std::vector<std::pair<Color, double>>, Color, int, bool, bool>;
State current()
{
    std::vector<std::pair<Color, double>> list;
    for (int i = 0; i < drawCount; ++i)
        list.emplace_back(drawings[i].color, drawings[i].penDistance);
    return {list, Form1->chip0.backColor(), paletteIndex, !Form1->randomize.isEnabled(), Form1->saveas.isEnabled()};
}

using History = FilmTest;

// Each change is one step: undo brings back the state before it, redo the
// state after it, and the canvas shows the list again; a clear of 5001
// drawings among them.
TEST_F(History, UndoAndRedoWalkTheStepsBackAndForth)
{
    EXPECT_FALSE(Form1->undo.isEnabled() || Form1->redo.isEnabled());
    drawings.fill(panelRecord(100, 40, 50, 0, -100));
    drawCount = DrawingSlots - 1; // the draw fills the list, the clear empties it
    clickDraw();
    std::vector<State> states{current()};
    const std::pair<std::function<void()>, const char *> changes[] = {
        {clickClear, "Undo clear"},
        {clickDraw, "Undo draw"},
        {clickGeneratorDraw, "Undo family of 51 curves"},
        {[] { ShowDrawing(Drawing{{panelRecord(60, 40, 10, 0, 0)}, ColorMode::Random, RGB(1, 2, 3), 0.25}); }, "Undo open"},
        {[] { // paused and resumed
             panel().Check3.setValue(1);
             atYield(3, clickScreen);
             animStopped = false;
             RunRandomAnimation();
             atYield(3, clickScreen);
             clickScreen();
         },
         "Undo film"}};
    for (const auto &[change, caption] : changes) {
        change();
        states.push_back(current());
        EXPECT_EQ(Form1->undo.caption(), caption);
    }
    for (int step = int(states.size()) - 1; step > 0; --step) {
        SurfaceRecorder recorder;
        Form1->undo.trigger();
        EXPECT_TRUE(current() == states[step - 1]) << step;
        EXPECT_EQ(int(recorder.canvasCurves().size()), drawCount) << step;
    }
    for (int step : {1, 2}) {
        Form1->redo.trigger();
        EXPECT_TRUE(current() == states[step]) << step;
    }
    EXPECT_EQ(Form1->redo.caption(), "Redo family of 51 curves");
    clickDraw(); // drops the steps ahead
    EXPECT_FALSE(Form1->redo.isEnabled());

    // Inside a replay's yield and a film's wait, the list stays whole and
    // the loop is handed over to the replay of the list left.
    panel().Check3.setValue(0);
    atNextYield([] { Form1->undo.trigger(); });
    clickCanvas();
    EXPECT_TRUE(current() == states[2] && !replaying);
    panel().Check1.setValue(1);
    atYield(2, [] { Form1->redo.trigger(); });
    AnimateDrawing();
    EXPECT_EQ(drawCount, 2);

    // A draw during the endless film ends it, and the film adds no frame
    // after the draw's: undo and redo give back the very list.
    panel().Check1.setValue(0);
    atYield(3, clickDraw);
    animStopped = false;
    RunRandomAnimation();
    const State drawn = current();
    Form1->undo.trigger();
    Form1->redo.trigger();
    EXPECT_TRUE(current() == drawn);
}

} // namespace

#include "animation/animation.h"
#include "mainwindow/drawingfiles.h"
#include "mainwindow/canvaswindow.h"
#include "support/fixtures.h"

#include <QApplication>
#include <QClipboard>

namespace {

// The list, the chip, the palette and its position, the colour mode, the
// zoom, Save as and the file the list came from: what a step takes back.
using State = std::tuple<std::vector<DrawingRecord>, Color, std::array<Color, 8>, int, bool, double, bool, QString>;
State current()
{
    return {{drawings.begin(), drawings.begin() + drawCount}, Form1->chip0.backColor(), palette, paletteIndex,
            !Form1->randomize.isEnabled(), zoomFactor, Form1->saveas.isEnabled(), DrawingFileName()};
}

using History = FilmTest;

// Each change is one step: undo brings back the state before it, redo the
// state after it, and the canvas shows the list again as a replay draws it;
// a clear of 5001 drawings among them. The last hundred steps are kept.
TEST_F(History, UndoAndRedoWalkTheStepsBackAndForth)
{
    EXPECT_FALSE(Form1->undo.isEnabled() || Form1->redo.isEnabled());
    // The oldest of 101 draws is dropped.
    clickDrawTimes(101);
    for (int i = 0; i < 100; ++i)
        Form1->undo.trigger();
    EXPECT_TRUE(drawCount == 1 && !Form1->undo.isEnabled());

    const auto replayed = [] {
        ReplayDrawingList();
        return canvas->surface().image();
    };
    drawings.fill(panelRecord(100, 40, 50, 0, -100));
    drawCount = DrawingSlots - 1; // the draw fills the list, the clear empties it
    SetDrawingFileName("full.rondel");
    clickDraw();
    std::vector<State> states{current()};
    std::vector<QImage> pictures{replayed()};
    const std::pair<std::function<void()>, const char *> changes[] = {
        {clickClear, "Undo clear"},
        {clickDraw, "Undo draw"},
        {clickGeneratorDraw, "Undo family of 51 curves"},
        {[] {
             ShowDrawing(Drawing{{panelRecord(60, 40, 10, 0, 0)}, ColorMode::Random, RGB(1, 2, 3), 0.5,
                                 std::array<Color, 8>{RGB(4, 5, 6)}, 5});
             SetDrawingFileName("opened.rondel");
         },
         "Undo open"},
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
        pictures.push_back(replayed());
        EXPECT_EQ(Form1->undo.caption(), caption);
    }
    for (int step = int(states.size()) - 1; step > 0; --step) {
        SurfaceRecorder recorder;
        Form1->undo.trigger();
        EXPECT_TRUE(current() == states[step - 1]) << step;
        EXPECT_TRUE(canvas->surface().image() == pictures[step - 1]) << step;
        const std::vector<SurfaceOp> pen = recorder.on("Picture1", SurfaceOp::Circle);
        EXPECT_TRUE(pen.size() == 3 && pen[2].color == Form1->chip0.backColor()) << step;
    }
    // Walked again, each step gives back what it gave the first time.
    for (int from = 0; int step : {1, 0, 1, 2}) {
        (step > std::exchange(from, step) ? Form1->redo : Form1->undo).trigger();
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

    // A draw or a clear during the endless film is a step of its own, and
    // the film's frames after it another: each undoes and redoes to a list
    // that was there, and the canvas shows it.
    panel().Check1.setValue(0);
    for (void (*change)() : {clickDraw, clickClear}) {
        std::vector<State> shown;
        atYield(3, [&] {
            shown.push_back(current());
            change();
            shown.push_back(current());
            atYield(2, clickScreen);
        });
        animStopped = false;
        RunRandomAnimation();
        shown.push_back(current());
        // Save as is offered after an undo or redo whenever the list left
        // holds drawings, as the frames after a clear do.
        for (State &state : shown)
            std::get<6>(state) = !std::get<0>(state).empty();
        for (const auto &[item, step] : {std::pair{&Form1->undo, 1}, {&Form1->undo, 0}, {&Form1->redo, 1},
                                         {&Form1->redo, 2}}) {
            SurfaceRecorder recorder;
            item->trigger();
            EXPECT_TRUE(current() == shown[step]) << step;
            EXPECT_EQ(int(recorder.canvasCurves().size()), drawCount) << step;
        }
    }
}

// A film handed over while its window is being shown, before its first
// frame, leaves the list and the history as the change made in that yield
// left them, and draws nothing.
TEST_F(History, AFilmHandedOverBeforeItsFirstFrameChangesNothing)
{
    clickDraw();
    const Drawing opened{{panelRecord(60, 40, 10, 0, 0)}, ColorMode::Primary, RGB(1, 2, 3), 0.25};
    const struct {
        void (*start)();
        std::function<void()> change;
        const char *undoCaption;
        std::vector<DrawingRecord> list;
    } films[] = {{[] { animStopped = false; RunRandomAnimation(); }, [&] { ShowDrawing(opened); }, "Undo open",
                  opened.records},
                 {&AnimateDrawing, [] { Form1->undo.trigger(); }, "Undo draw", {drawings[0]}}};
    for (const auto &film : films) {
        screeen.unload(); // shown anew, its showing yields
        SurfaceRecorder recorder;
        atNextYield(film.change);
        film.start();
        EXPECT_EQ(Form1->undo.caption(), film.undoCaption);
        EXPECT_TRUE(std::equal(drawings.begin(), drawings.begin() + drawCount, film.list.begin(), film.list.end()));
        EXPECT_TRUE(recorder.on("screeen", SurfaceOp::Polyline).empty());
    }
}

// The keys of undo, redo and copy are the main panel's wherever the focus
// is: in the start-angle box at start-up and after a click in it, as in a
// film's wait. Only a box holding selected text copies its text.
TEST_F(History, TheEditKeysAreThePanelsWhereverTheFocusIs)
{
    MainPanel &panel = *Form1;
    const auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : QApplication::activeWindow(), key, modifiers);
    };
    panel.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));
    ASSERT_EQ(QApplication::focusWidget(), &panel.Text4);
    const State before = current();
    // Two opens in a row are two steps.
    ShowDrawing(Drawing{{panelRecord(60, 40, 10, 0, 0)}, ColorMode::Random, RGB(1, 2, 3), 0.5});
    const State opened = current();
    ShowDrawing(Drawing{{panelRecord(70, 40, 10, 0, 0)}, ColorMode::Primary, RGB(3, 2, 1), 0.25});
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(current() == opened);
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(current() == before);
    press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(current() == opened);
    clickDraw();
    QTest::mouseClick(&panel.Text4, Qt::LeftButton);
    press(Qt::Key_Z, Qt::ControlModifier);
    press(Qt::Key_Z, Qt::ControlModifier);
    press(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_TRUE(current() == opened);

    genbox->Check3.setValue(1);
    countClockReads();
    atYield(3, [&] { press(Qt::Key_Z, Qt::ControlModifier); });
    animStopped = false;
    RunRandomAnimation();
    EXPECT_TRUE(current() == opened);
    // In a box of the generator panel too.
    genbox->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&*genbox));
    QTest::mouseClick(&genbox->Text1, Qt::LeftButton);
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(current() == before);

    panel.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));
    press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->image(), canvas->surface().image());
    panel.Text4.setText("45");
    panel.Text4.selectAll();
    press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "45");
}

} // namespace

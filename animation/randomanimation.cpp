#include "animation.h"

#include "anistart.h"
#include "core/longloop.h"
#include "core/module1.h"
#include "core/rnd.h"
#include "frame.h"
#include "generator/generatorpanel.h"
#include "generator/gradient.h"
#include "infowindows/errorwindow.h"
#include "mainwindow/drawingcolors.h"
#include "mainwindow/mainpanel.h"
#include "platform/numbers.h"
#include "platform/system.h"
#include "undo/drawinghistory.h"

#include <algorithm>
#include <cmath>

namespace {
// The boxes the animation keeps its state in. The user may retype them
// while it runs: a box that holds no number counts as the last number read
// from it, so that editing never stops or bends the film.
enum Box { PenFrom, PenTo, PenStep, AngleFrom, AngleTo, PositionFrom, PositionTo, StatRadius, RotRadius, Boxes };
std::array<double, Boxes> lastNumbers{};

TextBox &box(Box which)
{
    switch (which) {
    case PenFrom: return genbox->Text1;
    case PenTo: return genbox->Text2;
    case PenStep: return genbox->Text3;
    case AngleFrom: return genbox->Text4;
    case AngleTo: return genbox->Text5;
    case PositionFrom: return genbox->Text7;
    case PositionTo: return genbox->Text8;
    case StatRadius: return Form1->Text1;
    case RotRadius: return Form1->Text2;
    case Boxes: break;
    }
    return genbox->Text1;
}

double number(Box which)
{
    if (const std::optional<double> value = textToNumber(box(which).text()))
        lastNumbers[which] = *value;
    return lastNumbers[which];
}

void rememberNumbers()
{
    for (int which = 0; which < Boxes; ++which)
        lastNumbers[which] = numberOr0(box(Box(which)).text());
}

// The frames of the running pass; frame i lies at i / passFrames.
std::int16_t passFrames = 1;

void playRandom()
{
    anistart->hide();
    rememberNumbers();
    std::int16_t frames = RandomizeAnimation();
    while (!animStopped) {
        // Read at every pass: a new size or full screen shows from the next.
        const ScreenSize size = OpenScreen();
        // Showing the window handles events: a film stopped or handed over
        // meanwhile leaves the list as the user left it.
        if (!FilmGoesOn())
            return;
        // Each pass replaces the drawings with its frames, claimed one by
        // one, so that the list stays whole for a replay.
        passFrames = frames;
        RememberFilmFrame();
        drawCount = 0;
        for (std::int16_t i = 0; i < frames; ++i) {
            const FrameTiming timing = StartFrame();
            // A draw or a clear in the last wait was a step of its own.
            RememberFilmFrame();
            const std::int16_t slot = StepAnimation(i);
            if (slot < 0)
                break;
            TraceDrawingFrame(slot);
            DrawFrame(slot, size);
            if (!FinishFrame(timing))
                return;
        }
        // A pass with no frames goes on to the next targets after a frame's
        // time: if every pass is empty (a step far larger than any change),
        // the film must still hear a click, and not spin meanwhile.
        if (frames == 0)
            WaitFrame(StartFrame().deadline);
        // The targets move on as soon as a pass is complete.
        frames = RandomizeAnimation();
        // Choosing the film of the drawing ends this one after its pass.
        if (genbox->Check1.value() == 1)
            animStopped = true;
        // So does another long loop, even when the start dialog has armed
        // the next film meanwhile.
        if (LoopHandedOver())
            return;
    }
}

double rnd()
{
    return double(Rnd());
}
} // namespace

void RunRandomAnimation()
{
    RunLongLoop(LongLoop::Film, &playRandom);
}

std::int16_t RandomizeAnimation()
{
    GeneratorPanel &panel = *genbox;
    // Gear sizes, one pass in five: the ratio c / a runs from 1 to 6, and
    // both radii stay within the sliders' range.
    if (rnd() < 0.2) {
        const int a = int(std::floor(rnd() * 6)) + 2;
        const int b = int(std::floor(rnd() * 6)) + 5;
        const int c = int(std::floor(rnd() * 6)) + 7;
        Form1->Text2.setText(QString::number(a * b));
        Form1->Text1.setText(QString::number(b * c));
    }
    panel.Text1.setText(panel.Text2.text());
    panel.Text4.setText(panel.Text5.text());
    panel.Text7.setText(panel.Text8.text());
    panel.Picture1.setBackColor(panel.Picture2.backColor());
    panel.Text2.setText(QString::number(int(std::floor(rnd() * 400))));
    panel.Text5.setText(QString::number(int(std::floor(rnd() * 360))));
    panel.Text8.setText(QString::number(int(std::floor(rnd() * -200)) + 100));
    // The complement of a dark colour, plus one: a light target.
    panel.Picture2.setBackColor(16777216 - RandomColor());

    // A step box that holds no number counts as its last number, which
    // before any is 0.
    const double step = number(PenStep);
    if (step == 0) {
        animStopped = true;
        ShowError(textToNumber(box(PenStep).text()) ? "step value cannot be 0" : "the pen radius step must be a number");
        return 0;
    }
    double n = (number(PenTo) - number(PenFrom)) / step;
    if (n == 0)
        n = 1;
    if (n < 0)
        n = -n;
    // A pass has no more frames than the list has slots.
    return std::int16_t(std::min(std::nearbyint(n), double(DrawingSlots)));
}

std::int16_t StepAnimation(std::int16_t i)
{
    if (drawCount >= DrawingSlots)
        return -1;
    const std::int16_t slot = drawCount;
    DrawingRecord &record = drawings.at(slot);
    // The pass's own count: a clear or a draw during the pass changes
    // drawCount, not the drift.
    const double t = double(i) / passFrames;
    if (genbox->Check2.value() == 1) {
        record.color = AnimationGradient(float(t));
    } else {
        NextColor();
        record.color = Form1->chip0.backColor();
    }
    record.statRadius = number(StatRadius) * 5;
    record.rotRadius = number(RotRadius) * 5;
    const double A0 = number(AngleFrom), A1 = number(AngleTo);
    record.startAngle = (WithinOneTurn(A0 + t * (A1 - A0)) / 180) * pi;
    const double P0 = number(PenFrom), P1 = number(PenTo);
    record.penDistance = ((P0 + t * (P1 - P0)) / 100) * record.rotRadius;
    const double G0 = number(PositionFrom), G1 = number(PositionTo);
    record.gearPosition = nearestWithin<std::int16_t>(G0 + t * (G1 - G0));
    drawCount = std::int16_t(slot + 1);
    return slot;
}

Color AnimationGradient(float t)
{
    return MixColors(genbox->Picture1.backColor(), genbox->Picture2.backColor(), t);
}

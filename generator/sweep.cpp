#include "generatorpanel.h"

#include "animation/screenwindow.h"
#include "core/module1.h"
#include "gradient.h"
#include "infowindows/errorwindow.h"
#include "mainwindow/drawingcolors.h"
#include "mainwindow/mainpanel.h"
#include "platform/numbers.h"
#include "undo/drawinghistory.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace {
// The value of a box that gencheck has found to hold a number.
double valueOf(const TextBox &box)
{
    return numberOr0(box.text());
}

// Walks the stepped row: s runs from "from" by repeated addition of "step"
// for as long as it has not passed "to", and visit(s) is called for each
// value until it returns false. A row whose "from" equals its "to" gives
// that one value, even with a step too small to move it on.
template <typename Visit>
void walkRow(const GeneratorPanel::Row &row, Visit visit)
{
    const double from = valueOf(row.from);
    const double to = valueOf(row.to);
    const double step = valueOf(row.step);
    if (from == to) {
        visit(from);
        return;
    }
    for (double s = from; (step > 0 && s <= to) || (step < 0 && s >= to); s = s + step) {
        if (!visit(s))
            return;
    }
}

// The number of intervals over which the other rows move: the quotient of
// the stepped row's span and step, at least 1. Checked families keep it
// within 16 bits; the fallbacks only keep a conversion from overflowing.
std::int16_t intervalCount(const GeneratorPanel::Row &row, bool gearPositionRow)
{
    const double span = valueOf(row.to) - valueOf(row.from);
    const double step = valueOf(row.step);
    std::int32_t n;
    if (gearPositionRow) {
        // Whole numbers first: a step of 2.5 counts as 2.
        const std::optional<std::int32_t> wholeStep = CLng(step);
        n = wholeStep && *wholeStep != 0 ? CLng(span).value_or(0) / *wholeStep : 0;
    } else {
        n = CInt(span / step).value_or(std::numeric_limits<std::int16_t>::max());
    }
    n = std::clamp<std::int32_t>(n, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max());
    return std::int16_t(n == 0 ? 1 : n);
}
} // namespace

void GeneratorPanel::Command1_Click()
{
    if (!gencheck())
        return;
    const std::size_t stepped = Option1.isChecked() ? 0 : Option2.isChecked() ? 1 : 2;
    if (!familyFits(stepped))
        return;
    Text10_Change();
    screeen->hide();
    Form1->saveas.setEnabled(true);
    const std::int16_t from = drawCount;
    const NextDrawingColor before = CurrentNextDrawingColor();
    sweep(stepped);
    const int curves = drawCount - from;
    RememberAdded(QString("family of %1 curve%2").arg(curves).arg(curves == 1 ? "" : "s"), from, before);
    Replay();
}

// A family that cannot be made is refused before anything changes.
bool GeneratorPanel::familyFits(std::size_t stepped)
{
    const Row row = rows()[stepped];
    if (stepped == 2 && std::abs(valueOf(row.step)) <= 0.5) {
        ShowError("the gear position step must be larger than 0.5");
        return false;
    }
    if (!CInt(valueOf(Text7)) || !CInt(valueOf(Text8))) {
        ShowError("gear positions must lie between -32768 and 32767");
        return false;
    }
    // The curves are counted by the sweep's own additions, and the count
    // stops once the family could not fit even an empty list, or at a value
    // that the step no longer moves on.
    const double step = valueOf(row.step);
    const bool oneValue = valueOf(row.from) == valueOf(row.to);
    int curves = 0;
    std::optional<double> stuckAt;
    walkRow(row, [&](double s) {
        if (!oneValue && s + step == s)
            stuckAt = s;
        return !stuckAt && ++curves <= DrawingSlots;
    });
    if (stuckAt) {
        const char *names[] = {"pen radius", "start angle", "rotating gear position"};
        ShowError(QString("the %1 step is too small to move on from %2").arg(names[stepped], numberToText(*stuckAt)));
        return false;
    }
    const int free = DrawingSlots - drawCount;
    if (curves > free) {
        const QString needed = curves > DrawingSlots ? "more than " + QString::number(DrawingSlots) : QString::number(curves);
        ShowError(QString("this family needs %1 curves but the drawing list has room for %2 more").arg(needed).arg(free));
        return false;
    }
    return true;
}

void GeneratorPanel::sweep(std::size_t stepped)
{
    const std::array<Row, 3> all = rows();
    const double n = intervalCount(all[stepped], stepped == 2);
    int k = 0;
    walkRow(all[stepped], [&](double s) {
        const double fraction = k / n;
        const auto interpolated = [&](const Row &row) {
            return valueOf(row.from) + fraction * (valueOf(row.to) - valueOf(row.from));
        };
        NextColor();
        DrawingRecord &record = drawings.at(drawCount);
        record.color = Form1->chip0.backColor();
        if (Check2.value() == 1)
            record.color = GeneratorGradient(float(fraction));
        record.statRadius = numberOr0(Form1->Text1.text()) * 5;
        record.rotRadius = numberOr0(Form1->Text2.text()) * 5;
        // Not negated, unlike the main panel's angle.
        const double degrees = stepped == 1 ? s : interpolated(all[1]);
        record.startAngle = (WithinOneTurn(degrees) / 180) * pi;
        const double percent = stepped == 0 ? s : interpolated(all[0]);
        record.penDistance = (percent / 100) * record.rotRadius;
        // Between the row's "from" and "to", which familyFits has checked.
        const double position = stepped == 2 ? s : interpolated(all[2]);
        record.gearPosition = std::int16_t(std::clamp(std::nearbyint(position), -32768.0, 32767.0));
        drawCount = drawCount + 1;
        ++k;
        return true;
    });
}

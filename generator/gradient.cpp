#include "gradient.h"

#include "core/module1.h"
#include "generatorpanel.h"

#include <algorithm>
#include <cmath>

namespace {
// A channel's mix, to the nearest whole number with halves to the even
// neighbour; the fraction can pass 1 with a gear position row, and a
// channel that leaves 0 ... 255 counts as the nearer end.
int mix(int from, int to, float t)
{
    return int(std::clamp(std::nearbyint(from + double(t) * (to - from)), 0.0, 255.0));
}
} // namespace

Color GeneratorGradient(float f)
{
    GeneratorPanel &panel = *genbox;
    const Color stops[] = {panel.Picture1.backColor(), panel.Picture2.backColor(), panel.Picture3.backColor(),
                           panel.Picture4.backColor(), panel.Picture5.backColor()};
    // Single precision throughout, as the fraction: a fraction on a stop
    // starts the next segment with t = 0.
    int segment;
    float t;
    if (f < 0.25f) {
        segment = 0;
        t = f * 4;
    } else if (f < 0.5f) {
        segment = 1;
        t = (f - 0.25f) * 4;
    } else if (f < 0.75f) {
        segment = 2;
        t = (f - 0.5f) * 4;
    } else {
        segment = 3;
        t = (f - 0.75f) * 4;
    }
    const Color a = stops[segment], b = stops[segment + 1];
    return RGB(mix(redOf(a), redOf(b), t), mix(greenOf(a), greenOf(b), t), mix(blueOf(a), blueOf(b), t));
}

void GeneratorPanel::colorBox_Click(PictureBox &box)
{
    // After Cancel the dialog still holds the colour it opened with.
    CommonDialog1.showColor();
    box.setBackColor(CommonDialog1.color());
    Check2.setValue(1);
}

#include "gradient.h"

#include "core/module1.h"
#include "generatorpanel.h"

#include <algorithm>
#include <cmath>

Color MixColors(Color from, Color to, float t)
{
    const auto mix = [t](int a, int b) { return int(std::clamp(std::nearbyint(a + double(t) * (b - a)), 0.0, 255.0)); };
    return RGB(mix(redOf(from), redOf(to)), mix(greenOf(from), greenOf(to)), mix(blueOf(from), blueOf(to)));
}

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
    return MixColors(stops[segment], stops[segment + 1], t);
}

void GeneratorPanel::colorBox_Click(PictureBox &box)
{
    // After Cancel the dialog still holds the colour it opened with.
    CommonDialog1.showColor();
    box.setBackColor(CommonDialog1.color());
    Check2.setValue(1);
}

#include "drawingcolors.h"

#include "core/module1.h"
#include "core/rnd.h"
#include "mainpanel.h"
#include "setuppreview.h"

#include <cmath>

Color RandomColor()
{
    for (;;) {
        const auto c = Color(std::floor(double(Rnd()) * 16777216));
        if (redOf(c) + greenOf(c) + blueOf(c) <= 400)
            return c;
    }
}

void NextColor()
{
    MainPanel &panel = *Form1;
    if (!RandomColorMode()) {
        paletteIndex = std::int16_t((paletteIndex + 1) % 8);
        panel.chip0.setBackColor(palette.at(paletteIndex));
    } else {
        panel.chip0.setBackColor(RandomColor());
    }
}

bool RandomColorMode()
{
    return !Form1->randomize.isEnabled();
}

void SetRandomColorMode(bool random)
{
    Form1->randomize.setEnabled(!random);
    Form1->prims.setEnabled(random);
}

void MainPanel::prims_Click()
{
    chip0.setBackColor(RGB(0, 0, 0));
    SetRandomColorMode(false);
    DrawSetup();
}

void MainPanel::randomize_Click()
{
    chip0.setBackColor(RandomColor());
    SetRandomColorMode(true);
    DrawSetup();
}

void MainPanel::chip0_Click()
{
    // After Cancel the dialog still holds the colour it opened with.
    CommonDialog1.showColor();
    chip0.setBackColor(CommonDialog1.color());
    ::palette.at(paletteIndex) = chip0.backColor();
}

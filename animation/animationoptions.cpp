// The animation options on the generator panel: which animation a replay
// starts, the frame rate, heavy lines, the frame meter and full screen.

#include "generator/generatorpanel.h"

#include "core/module1.h"
#include "platform/numbers.h"
#include "screenwindow.h"

#include <cmath>
#include <limits>

// "animate" and "randomate" exclude each other; the frame rate can be set
// while one of them is checked.
void GeneratorPanel::Check1_Click()
{
    if (Check1.value() == 1)
        Check3.setValue(0);
    enableFrameRate();
}

void GeneratorPanel::Check3_Click()
{
    if (Check3.value() == 1)
        Check1.setValue(0);
    enableFrameRate();
}

void GeneratorPanel::enableFrameRate()
{
    const bool chosen = Check1.value() == 1 || Check3.value() == 1;
    HScroll1.setEnabled(chosen);
    Text10.setEnabled(chosen);
}

void GeneratorPanel::HScroll1_Change()
{
    Text10.setText(QString::number(HScroll1.value()));
}

void GeneratorPanel::Text10_Change()
{
    const std::optional<double> rate = textToNumber(Text10.text());
    if (!rate || *rate == 0 || std::abs(*rate) > std::numeric_limits<float>::max())
        return;
    frameDelay = std::floor(1000 / *rate);
    meter.surface().setScale(0, 0, float(*rate), 1);
}

// Each caption names what choosing the item does next.
void GeneratorPanel::mnuHeavy_Click()
{
    if (penWidth != 1) {
        penWidth = 1;
        mnuHeavy.setCaption("heavy line");
    } else {
        penWidth = 2;
        mnuHeavy.setCaption("light line");
    }
}

void GeneratorPanel::mnuMeter_Click()
{
    if (!meterOn) {
        meterOn = true;
        mnuMeter.setCaption("frame meter off");
    } else {
        meterOn = false;
        mnuMeter.setCaption("frame meter on");
        meter.surface().clear();
    }
}

void GeneratorPanel::mnuFull_Click()
{
    if (fullScreen) {
        fullScreen = false;
        mnuFull.setCaption("full screen");
        // The window gets its border and its place back with the flag.
        if (ScreenWindow *window = screeen.loaded())
            window->leaveFullScreen();
    } else {
        fullScreen = true;
        mnuFull.setCaption("normal screen");
        screeen->enterFullScreen();
    }
}

#include "setuppreview.h"

#include "core/module1.h"
#include "mainpanel.h"
#include "platform/numbers.h"

#include <cmath>

void DrawSetup()
{
    MainPanel &panel = *Form1;
    // A start angle that is not a number is drawn as 0, and one beyond a
    // turn as "draw" stores it; the other boxes only ever hold the whole
    // numbers their sliders write.
    const double R = numberOr0(panel.Text1.text());
    const double r = numberOr0(panel.Text2.text());
    const double pen = numberOr0(panel.Text3.text());
    const double deg = WithinOneTurn(numberOr0(panel.Text4.text()));
    const int pos = panel.HScroll1.value();
    const Color colour = panel.chip0.backColor();

    const double p = pos / 100.0;
    const double D = R + p * r;
    const double d = (pen / 100) * r;
    const double theta = (-deg / 180) * pi;
    const double centreX = D * std::cos(theta);
    const double centreY = D * std::sin(theta);
    const double penX = (D + d) * std::cos(theta);
    const double penY = (D + d) * std::sin(theta);

    Surface &box = panel.Picture1.surface();
    box.clear();
    box.circle(0, 0, float(R), RGB(0, 0, 0));
    box.circle(float(centreX), float(centreY), float(r), RGB(255, 0, 0));
    box.line(float(centreX), float(centreY), float(penX), float(penY), RGB(0, 0, 255));
    box.circle(float(penX), float(penY), 5, colour);
}

#include "canvaswindow.h"

#include "core/module1.h"
#include "mainpanel.h"
#include "platform/system.h"
#include "setuppreview.h"

#include <cmath>

CanvasWindow::CanvasWindow() : Form("canvas", "canvas", CanvasWidth, CanvasHeight, BorderStyle::Sizable)
{
    moveTo(4725, 420);
    setBackColor(paperColor());
    surface().setSmooth(smoothLines);
    connect(this, &Form::clicked, this, &canvas_Click);
    connect(this, &Form::resized, this, &CanvasWindow::Form_Resize);
}

void CanvasWindow::Form_Resize()
{
    ScaleCanvas();
    Replay();
}

namespace {
// Int(100 x zoomFactor) with the blank of a number's sign position before it
// and a percent sign after it: " 25%".
QString zoomText()
{
    return " " + QString::number(int(std::floor(100 * zoomFactor))) + "%";
}

// The corners of a square user coordinate system of half-width
// halfWidth x zoomFactor; Int is the floor, so the corners are not
// symmetric when the product is not whole.
void scaleSquare(Surface &surface, double halfWidth)
{
    const auto low = float(std::floor(-halfWidth * zoomFactor));
    const auto high = float(std::floor(halfWidth * zoomFactor));
    surface.setScale(low, low, high, high);
}
} // namespace

void ScaleCanvas()
{
    if (zoomFactor > 1) {
        Beep();
        zoomFactor = 1;
    } else if (zoomFactor < 1.0 / 32) {
        Beep();
        zoomFactor = 1.0 / 32;
    }
    canvas->surface().clear();
    scaleSquare(canvas->surface(), 2000);
    scaleSquare(Form1->Picture1.surface(), 400);
    canvas->setCaption("canvas  " + zoomText());
    Form1->Label6.setCaption("status  " + zoomText());
}

void MainPanel::zi_Click()
{
    zoomFactor = zoomFactor / std::sqrt(2.0);
    ScaleCanvas();
    DrawSetup();
}

void MainPanel::zo_Click()
{
    zoomFactor = zoomFactor * std::sqrt(2.0);
    ScaleCanvas();
    DrawSetup();
}

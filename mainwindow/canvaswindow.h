#pragma once

// The canvas: the window on which every curve is traced, in a square user
// coordinate system centred on the origin whose half-width is
// 2000 x zoomFactor canvas units. ScaleCanvas applies the zoom to the canvas
// and to the setup box; a change of the canvas's size rescales it and
// replays the drawing list.

#include "platform/form.h"

// The client area as designed, in twips.
inline constexpr int CanvasWidth = 6285;
inline constexpr int CanvasHeight = 6000;

class CanvasWindow : public Form
{
    Q_OBJECT
public:
    CanvasWindow();

private:
    void Form_Resize();
};

// Clamps zoomFactor to [1/32, 1] (with a beep when it was outside), clears
// the canvas, sets the coordinate systems of the canvas and the setup box
// and writes the zoom into the canvas caption and the status label.
void ScaleCanvas();

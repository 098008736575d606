#pragma once

// The state that every window shares, as plain globals: the drawing list,
// the palette, the zoom, the program's pi, the flags that stop the long
// loops, the animation options, the metafile's name and the one instance
// of every window.
//
// Everything starts at zero; the main panel's load gives the values their
// defaults. The procedures of the drawing core take record indices:
// DrawCurve traces one record on the canvas, Replay traces the list.

#include "platform/color.h"
#include "platform/formref.h"

#include <QPoint>
#include <QString>
#include <array>
#include <cstdint>

// The parameters of one drawing; radii and distances in canvas units.
struct DrawingRecord {
    double statRadius = 0;
    double rotRadius = 0;
    double penDistance = 0;
    double startAngle = 0; // radians
    Color color = 0;
    std::int16_t gearPosition = 0; // -100 inside ... 0 on the rim ... 100 outside

    friend bool operator==(const DrawingRecord &, const DrawingRecord &) = default;
};

// Slots 0 to 5000; every access goes through at(), which checks the bound.
//
// Handlers run inside the yields of other handlers (a replay's, a canvas's
// first showing), so whoever writes the list claims its slots before
// anything can yield: check that a slot is free, fill drawings[drawCount]
// and advance drawCount in one stretch that handles no event, and only then
// trace, show or ask anything. A handler running inside a yield thus always
// finds drawCount at the next free slot, never above DrawingSlots, and every
// slot below it holding a record written since the last clear.
inline constexpr int DrawingSlots = 5001;
extern std::array<DrawingRecord, DrawingSlots> drawings;
// The number of drawings since the last clear: the next free slot.
extern std::int16_t drawCount;

// An angle in degrees brought within one turn either way, keeping its sign
// (exactly: angles from -360 to 360 are returned as they are). Far beyond a
// turn, adding a step to the angle in radians would lose the step, and the
// curve would never close.
double WithinOneTurn(double degrees);

extern std::array<Color, 8> palette;
extern std::int16_t paletteIndex;
extern double zoomFactor;
extern double pi;
// The value the main panel's load gives pi.
inline constexpr double ProgramPi = 3.141592654;
extern bool replaying;
extern bool animStopped;
extern std::int16_t penWidth;
extern bool fullScreen;
extern bool meterOn;
extern double frameDelay;
// The file name last returned by the save dialog, for the whole run.
extern QString metafileName;
// The canvas and the setup box draw anti-aliased lines (View -> smooth
// lines); false at start.
extern bool smoothLines;

// The points of the current animation frame, in whole canvas units after
// tracing and in pixels after mapping; the frame has lastFramePoint + 1
// points. Every frame overwrites them.
inline constexpr int FramePointSlots = 20001;
extern std::array<QPoint, FramePointSlots> framePoints;
extern std::int16_t lastFramePoint;

class Surface;
class MainPanel;
class CanvasWindow;
class GeneratorPanel;
class ScreenWindow;
class AnimationStartDialog;
class HelpWindow;
class AboutWindow;
class ErrorWindow;

extern FormRef<MainPanel> Form1;
extern FormRef<CanvasWindow> canvas;
extern FormRef<GeneratorPanel> genbox;
extern FormRef<ScreenWindow> screeen;
extern FormRef<AnimationStartDialog> anistart;
extern FormRef<HelpWindow> help1;
extern FormRef<AboutWindow> about1;
extern FormRef<ErrorWindow> errbox;

// Traces drawings[index] on the canvas as a closed polyline.
void DrawCurve(std::int16_t index);
// The same on any surface, in its user coordinates, showing nothing.
void TraceCurveOn(Surface &surface, const DrawingRecord &record);
// Clears the canvas and traces the drawing list again, yielding after each
// curve until it ends or replaying is cleared, or starts the animation
// chosen on the generator panel.
void Replay();
// The same on the canvas, whatever animation is chosen.
void ReplayDrawingList();
// A click on the canvas starts a replay, or stops the running one.
void canvas_Click();

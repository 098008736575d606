#pragma once

// The frame steps that both animations share, after the frame's record has
// been traced into framePoints.

#include "platform/surface.h"

#include <cstdint>

// The pen that stands selected between frames; it never draws.
inline constexpr Pen PlaceholderPen{1, 0xFFFFFF};

// The size of the screen window's client area, in pixels.
struct ScreenSize {
    float W;
    float H;
};

// Makes the screen window black and visible, creating it if needed, with
// the placeholder pen selected, and returns its size.
ScreenSize OpenScreen();

// Maps the traced points to pixels of a W x H window.
void MapFramePoints(ScreenSize size);
// The pen of the record's frame: its colour, penWidth pixels wide.
Pen FramePen(std::int16_t index);

// Maps the points to pixels of a W x H window, clears the screen window
// and draws them as one polyline in the record's colour and penWidth.
// Frames for a screen window that is closed, hidden or minimised are
// dropped.
void DrawFrame(std::int16_t index, ScreenSize size);

// The film goes on: not stopped, and no other long loop handed over.
bool FilmGoesOn();

// When a frame started, and the tick before which the next may not start:
// frameDelay after the start, held within the tick's range.
struct FrameTiming {
    std::int64_t start;
    std::int64_t deadline;
};
FrameTiming StartFrame();

// Ends the frame: false when the animation is to end now; otherwise waits
// for the deadline and shows the rate reached on the frame meter.
bool FinishFrame(FrameTiming timing);

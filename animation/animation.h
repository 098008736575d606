#pragma once

// The two animations play in the screen window, one curve per frame. The
// drawing animation plays the drawing list as a film; the endless one
// drifts pen distance, start angle, gear position and colour between random
// targets, pass after pass. Both trace a record into framePoints with the
// frame tracer, map the points to pixels, clear the window and draw them as
// one polyline, then wait for the frame's deadline, asleep in the event
// loop, and show the rate reached on the generator panel's frame meter.
// They run as long loops (core/longloop.h): one at a time.

#include "platform/color.h"

#include <cstdint>

// Plays records 0 ... drawCount - 1, one per frame.
void AnimateDrawing();
// Traces a record into framePoints[0 ... lastFramePoint], in whole canvas
// units.
void TraceDrawingFrame(std::int16_t index);
// Returns once the tick count has reached the deadline, having handled
// events at least once; early when the animation is to stop or another
// long loop has been started.
void WaitFrame(std::int64_t deadline);

// Plays the endless animation until it is stopped.
void RunRandomAnimation();
// Moves the targets on and returns the number of frames of the next pass.
std::int16_t RandomizeAnimation();
// Fills the next free record with frame i of the pass and returns its slot,
// or -1 when the list has no free slot.
std::int16_t StepAnimation(std::int16_t i);
// The colour at fraction t from the first colour box to the second.
Color AnimationGradient(float t);

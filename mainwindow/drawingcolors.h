#pragma once

// The colour of each drawing is the colour chip's background at the moment
// of "draw". After each drawing the chip takes the next colour: the next
// of the eight primary colours, or a random dark colour, by the colour mode,
// which is whichever of the Edit menu's two colour items is disabled.

#include "platform/color.h"

// A random colour whose channels add up to 400 at most.
Color RandomColor();
// Puts the colour of the next drawing into the chip.
void NextColor();

// The colour mode is random while the "Random colors" item is disabled;
// setting it enables the item of the other mode.
bool RandomColorMode();
void SetRandomColorMode(bool random);

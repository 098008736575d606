#pragma once

// The gradient that colours a family when "gradient" is checked: the five
// colour boxes of the generator panel are its stops, at the fractions 0,
// 0.25, 0.5, 0.75 and 1 of the family, and the colours between them are
// mixed channel by channel.

#include "platform/color.h"

// The colour at fraction t from one colour to another, channel by channel,
// each to the nearest whole number with halves to the even neighbour; t can
// pass 1 (a gear position row), and a channel leaving 0 ... 255 counts as
// the nearer end.
Color MixColors(Color from, Color to, float t);

// The colour at fraction f of a family, 0 for its first curve and 1 for the
// curve at its end.
Color GeneratorGradient(float f);

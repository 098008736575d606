#pragma once

// The run's pseudo-random sequence: never seeded, so every run of the
// program produces the same values.

#include <functional>

// The next value of the sequence, in [0, 1), with 24 bits of resolution.
float Rnd();

// A test seam: while set, the source stands in for the sequence.
void setRndSource(std::function<float()> source);

#pragma once

// The run's pseudo-random sequence: never seeded, so every run of the
// program produces the same values.

// The next value of the sequence, in [0, 1), with 24 bits of resolution.
float Rnd();

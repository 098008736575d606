#pragma once

#include "core/module1.h"

// Starts the program as its entry point does and waits until the canvas
// is on the screen.
void startProgram();

// The record that "draw" makes from slider values.
DrawingRecord panelRecord(double stat, double rot, double penPercent, int position);

#pragma once

// Clears the setup box and draws the configuration set on the main panel:
// the stationary gear, the rotating gear at its start position, the pen arm
// and the pen in the colour of the next drawing.
void DrawSetup();

#pragma once

// The screen window, in which both animations play their frames. For now
// it is the window alone: the main panel's and the generator's "draw" hide
// it, and closing the main panel unloads it.

#include "platform/form.h"

class ScreenWindow : public Form
{
    Q_OBJECT
public:
    ScreenWindow();
};

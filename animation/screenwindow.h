#pragma once

// The screen window, in which both animations play. A click pauses a
// running animation and resumes a stopped one; Esc, or the close box,
// stops it and closes the window. Frames are drawn straight onto the
// window, and each reaches the screen before the wait that follows it.

#include "platform/form.h"

class ScreenWindow : public Form
{
    Q_OBJECT
public:
    ScreenWindow();

    // Borderless and maximised, or back to the border and size it had.
    void setFullScreen(bool full);

protected:
    void onUnload() override;

private:
    void Form_Click();
    void Form_KeyPress(int charCode);
};

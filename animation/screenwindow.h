#pragma once

// The screen window, in which both animations play. A click pauses a
// running animation and resumes a stopped one; Esc, or the close box,
// stops it and closes the window, and hiding the window stops it too.
// Frames are drawn straight onto the window, and each reaches the screen
// before the wait that follows it; a minimised window draws none.
//
// Whenever the window is shown it takes the state fullScreen says:
// borderless and filling the screen, or with its border at the size and
// place it had before.

#include "platform/form.h"

// The window's designed width and height, in twips.
inline constexpr int ScreenDesignSize = 6000;

class ScreenWindow : public Form
{
    Q_OBJECT
public:
    ScreenWindow();

    // Takes the state fullScreen says, if it has not already.
    void followFullScreen();
    // Frames drawn now can be seen: the window is shown and not minimised.
    bool showsFrames() const { return isVisible() && !isMinimized(); }

    void setVisible(bool visible) override;

protected:
    void onUnload() override;

private:
    void Form_Click();
    void Form_KeyPress(int charCode);

    bool m_full = false;
    bool m_changingState = false;
};

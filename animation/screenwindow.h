#pragma once

// The screen window, in which both animations play. A click pauses a
// running animation and resumes a stopped one; Esc, or the close box,
// stops it and closes the window. Hiding the window stops nothing: the
// frames go on, unseen, and the endless film shows the window again at its
// next pass. Frames are drawn straight onto the window, and each reaches
// the screen before the wait that follows it; a hidden or minimised window
// draws none.
//
// Full screen is applied when it is chosen and by the replay's way to the
// endless film, not whenever the window is shown: a window made anew after
// Esc has its designed size and border.

#include "platform/form.h"

// The window's designed width and height, in twips.
inline constexpr int ScreenDesignSize = 6000;

class ScreenWindow : public Form
{
    Q_OBJECT
public:
    ScreenWindow();

    // Borderless and filling the screen, without showing the window.
    void enterFullScreen();
    // Back to its border, at the size and place it had before.
    void leaveFullScreen();
    // Frames drawn now can be seen: the window is shown and not minimised.
    bool showsFrames() const { return isVisible() && !isMinimized(); }

protected:
    void onUnload() override;

private:
    void Form_Click();
    void Form_KeyPress(int charCode);
};

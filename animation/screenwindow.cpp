#include "screenwindow.h"

#include "animation.h"
#include "core/module1.h"
#include "generator/generatorpanel.h"

ScreenWindow::ScreenWindow() : Form("screeen", "screen", ScreenDesignSize, ScreenDesignSize, BorderStyle::Sizable)
{
    moveTo(4965, 540);
    surface().setRepaintEveryChange(true);
    connect(this, &Form::clicked, this, &ScreenWindow::Form_Click);
    connect(this, &Form::keyPressed, this, &ScreenWindow::Form_KeyPress);
}

void ScreenWindow::enterFullScreen()
{
    // A new border makes a new native window: only when it changes.
    if (windowState() == WindowState::Maximized)
        return;
    setBorderStyle(BorderStyle::None);
    setWindowState(WindowState::Maximized);
}

void ScreenWindow::leaveFullScreen()
{
    if (windowState() == WindowState::Normal)
        return;
    setWindowState(WindowState::Normal);
    setBorderStyle(BorderStyle::Sizable);
}

void ScreenWindow::Form_Click()
{
    if (!animStopped) {
        // The running animation stops after one more frame.
        animStopped = true;
        return;
    }
    animStopped = false;
    if (genbox->Check3.value() == 1)
        RunRandomAnimation();
    if (genbox->Check1.value() == 1)
        AnimateDrawing();
}

void ScreenWindow::Form_KeyPress(int charCode)
{
    if (charCode == 27)
        screeen.unload();
}

// Esc and the close box both end up here: the running animation stops,
// and the frames it still draws are dropped.
void ScreenWindow::onUnload()
{
    animStopped = true;
}

#include "screenwindow.h"

ScreenWindow::ScreenWindow() : Form("screeen", "screen", 6000, 6000, BorderStyle::Sizable)
{
    moveTo(4965, 540);
}

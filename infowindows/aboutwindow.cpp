#include "aboutwindow.h"

#include "platform/twips.h"

AboutWindow::AboutWindow() : Form("about1", "About Rondel", 2955, 1335, BorderStyle::FixedSingle)
{
    moveTo(0, 915);
    place(Label1, 120, 120, 2775, 615);
    place(Command1, 1080, 840, 735, 375);
    Label1.setCaption("Rondel draws the curves that a pen on a gear traces as the gear rolls round another.");
    Command1.setCaption("OK");
    connect(&Command1, &CommandButton::clicked, this, &Form::unload);
}

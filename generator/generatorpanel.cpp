#include "generatorpanel.h"

#include "core/module1.h"
#include "mainwindow/mainpanel.h"
#include "platform/twips.h"

GeneratorPanel::GeneratorPanel() : Form("genbox", "generator", 4680, 3690, BorderStyle::FixedSingle)
{
    place(Text7, 1560, 1080, 495, 285);
    place(Text8, 2400, 1080, 495, 285);
    Text7.setText("-100");
    Text8.setText("-100");

    place(Frame2, 120, 2400, 4455, 855);
    place(Label6, 120, 120, 735, 255);
    place(Check1, 960, 120, 255, 255);
    place(Label8, 120, 480, 735, 255);
    place(Check3, 960, 480, 255, 255);
    Label6.setCaption("animate");
    Label8.setCaption("randomate");
}

void GeneratorPanel::onLoad()
{
    Text7.setText(Form1->Text5.text());
    Text8.setText(Form1->Text5.text());
    penWidth = 1;
    fullScreen = false;
    meterOn = true;
}

void GeneratorPanel::onUnload()
{
    // Closing the panel stops whatever long loop is running.
    animStopped = true;
    replaying = false;
}

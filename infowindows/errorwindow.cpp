#include "errorwindow.h"

#include "core/module1.h"
#include "platform/system.h"
#include "platform/twips.h"

#include <algorithm>

ErrorWindow::ErrorWindow() : Form("errbox", "Rondel error", 3075, 1200, BorderStyle::Sizable)
{
    moveTo(720, 8010);
    place(Label1, 360, 120, 2655, 495);
    place(Command1, 1080, 720, 855, 375);
    Label1.setCaption("Label1");
    Command1.setCaption("OK");
    connect(&Command1, &CommandButton::clicked, this, &Form::unload);
}

void ErrorWindow::onLoad()
{
    Beep();
}

void ErrorWindow::fitMessage()
{
    const int designHeight = twipsToPixels(495);
    const int extra = std::max(0, Label1.heightForWidth(Label1.width()) - designHeight);
    Label1.resize(Label1.width(), designHeight + extra);
    Command1.move(Command1.x(), twipsToPixels(720) + extra);
    resize(width(), std::max(height(), twipsToPixels(1200) + extra));
}

void ShowError(const QString &message)
{
    errbox->Label1.setCaption(message);
    errbox->show();
    errbox->fitMessage();
}

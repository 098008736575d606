#include "errorwindow.h"

#include "core/module1.h"
#include "platform/system.h"
#include "platform/twips.h"

#include <algorithm>

namespace {
// The design's heights, in twips, from which a long message grows.
constexpr int ClientHeight = 1200;
constexpr int MessageHeight = 495;
constexpr int ButtonTop = 720;
} // namespace

ErrorWindow::ErrorWindow() : Form("errbox", "Rondel error", 3075, ClientHeight, BorderStyle::Sizable)
{
    moveTo(720, 8010);
    place(Label1, 360, 120, 2655, MessageHeight);
    place(Command1, 1080, ButtonTop, 855, 375);
    // A message may name a file, whose name breaks wherever the line ends.
    Label1.setWrapAnywhere(true);
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
    const int designHeight = twipsToPixels(MessageHeight);
    const int extra = std::max(0, Label1.heightForWidth(Label1.width()) - designHeight);
    Label1.resize(Label1.width(), designHeight + extra);
    Command1.move(Command1.x(), twipsToPixels(ButtonTop) + extra);
    resize(width(), std::max(height(), twipsToPixels(ClientHeight) + extra));
}

void ShowError(const QString &message)
{
    errbox->Label1.setCaption(message);
    errbox->show();
    errbox->fitMessage();
}

QString ShownFileName(const QString &fileName)
{
    constexpr qsizetype Longest = 80;
    if (fileName.size() <= Longest)
        return fileName;
    // Never half of a character that takes two.
    qsizetype head = Longest / 2;
    qsizetype tail = Longest - head - 1;
    if (fileName[head].isLowSurrogate())
        --head;
    if (fileName[fileName.size() - tail].isLowSurrogate())
        --tail;
    return fileName.left(head) + u'…' + fileName.right(tail);
}

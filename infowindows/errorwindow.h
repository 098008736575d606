#pragma once

// The error window: a message and "OK", which closes it. Loading it beeps,
// so an error shown while the window is closed beeps once, and one shown
// while it is open only replaces the message.

#include "platform/commandbutton.h"
#include "platform/form.h"
#include "platform/label.h"

class ErrorWindow : public Form
{
    Q_OBJECT
public:
    ErrorWindow();

    Label Label1{&client()};
    CommandButton Command1{&client()};

    // Grows the label, and the window with it, when the message needs more
    // than the design's two lines (a message naming a file may).
    void fitMessage();

protected:
    void onLoad() override;
};

// Puts the message into the error window's label and shows the window with
// the whole message in view.
void ShowError(const QString &message);

// A file's name as a message shows it: a very long one loses its middle,
// so that the error window stays within the screen.
QString ShownFileName(const QString &fileName);

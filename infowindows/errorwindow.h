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

protected:
    void onLoad() override;
};

// Puts the message into the error window's label and shows the window.
void ShowError(const QString &message);

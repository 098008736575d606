#pragma once

// The about window: a short notice and "OK", which closes it.

#include "platform/commandbutton.h"
#include "platform/form.h"
#include "platform/label.h"

class AboutWindow : public Form
{
    Q_OBJECT
public:
    AboutWindow();

    Label Label1{&client()};
    CommandButton Command1{&client()};
};

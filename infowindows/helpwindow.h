#pragma once

// The help window: seven labels of help text, closed by its close box.

#include "platform/form.h"
#include "platform/label.h"

class HelpWindow : public Form
{
    Q_OBJECT
public:
    HelpWindow();

    Label Label1{&client()};
    Label Label2{&client()};
    Label Label3{&client()};
    Label Label4{&client()};
    Label Label5{&client()};
    Label Label8{&client()};
    Label Label6{&client()};
};

#pragma once

// The generator panel. It makes families of curves from sweep rows and
// carries the animation options; for now it holds the gear position row,
// which follows the main panel's slider, and the two animation choices that
// the replay consults.

#include "platform/checkbox.h"
#include "platform/form.h"
#include "platform/frame.h"
#include "platform/label.h"
#include "platform/textbox.h"

class GeneratorPanel : public Form
{
    Q_OBJECT
public:
    GeneratorPanel();

    TextBox Text7{&client()};
    TextBox Text8{&client()};
    Frame Frame2{&client()};
    Label Label6{&Frame2};
    CheckBox Check1{&Frame2};
    Label Label8{&Frame2};
    CheckBox Check3{&Frame2};

protected:
    void onLoad() override;
    void onUnload() override;
};

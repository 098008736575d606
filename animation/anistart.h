#pragma once

// The start dialog of the endless animation. Loading it beeps; "start
// animation" sets the zoom for the film and runs it, "cancel" closes the
// dialog.

#include "platform/commandbutton.h"
#include "platform/form.h"
#include "platform/label.h"

class AnimationStartDialog : public Form
{
    Q_OBJECT
public:
    AnimationStartDialog();

    Label Label1{&client()};
    CommandButton Command1{&client()};
    CommandButton Command2{&client()};

protected:
    void onLoad() override;

private:
    void Command1_Click();
};

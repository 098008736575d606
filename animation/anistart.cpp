#include "anistart.h"

#include "animation.h"
#include "core/module1.h"
#include "platform/system.h"
#include "platform/twips.h"

AnimationStartDialog::AnimationStartDialog() : Form("anistart", "Animation ", 3330, 1560, BorderStyle::Sizable)
{
    moveTo(840, 7155);
    place(Label1, 120, 120, 3015, 615);
    place(Command1, 240, 960, 1215, 375);
    place(Command2, 1800, 960, 1215, 375);
    Label1.setCaption("This will start an endless animation.  Click in the screen window to pause/resume animation "
                      "or hit esc to terminate");
    Command1.setCaption("start animation");
    Command2.setCaption("cancel");
    setTabOrder(&Command1, &Command2);
    connect(&Command1, &CommandButton::clicked, this, &AnimationStartDialog::Command1_Click);
    connect(&Command2, &CommandButton::clicked, this, &Form::unload);
}

void AnimationStartDialog::onLoad()
{
    Beep();
}

void AnimationStartDialog::Command1_Click()
{
    // The canvas takes the new zoom at its next rescale.
    zoomFactor = 0.7;
    RunRandomAnimation();
}

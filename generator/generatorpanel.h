#pragma once

// The generator panel makes families of curves. Each of its three rows
// (pen distance in percent, start angle in degrees, gear position) has a
// "from", a "to" and a "step" box; the option button at the row's end makes
// it the stepped row, which runs from "from" to "to" by "step" while the
// other two rows move evenly from their "from" to their "to" over the same
// curves. "draw" checks the rows (gencheck), appends the family to the
// drawing list and replays the list. The five colour boxes are the stops of
// the gradient that colours a family when "gradient" is checked. The panel
// also carries the animation options, in its lower frame and its menu.

#include "platform/checkbox.h"
#include "platform/commandbutton.h"
#include "platform/commondialog.h"
#include "platform/form.h"
#include "platform/frame.h"
#include "platform/label.h"
#include "platform/menu.h"
#include "platform/optionbutton.h"
#include "platform/picturebox.h"
#include "platform/scrollbar.h"
#include "platform/textbox.h"

#include <array>

class GeneratorPanel : public Form
{
    Q_OBJECT
public:
    GeneratorPanel();

    // The sweep rows.
    Label penLabel{&client()};
    Label angleLabel{&client()};
    Label positionLabel{&client()};
    std::array<Label, 3> fromLabels{Label(&client()), Label(&client()), Label(&client())};
    std::array<Label, 3> toLabels{Label(&client()), Label(&client()), Label(&client())};
    std::array<Label, 3> stepLabels{Label(&client()), Label(&client()), Label(&client())};
    TextBox Text1{&client()};
    TextBox Text2{&client()};
    TextBox Text3{&client()};
    TextBox Text4{&client()};
    TextBox Text5{&client()};
    TextBox Text6{&client()};
    TextBox Text7{&client()};
    TextBox Text8{&client()};
    TextBox Text9{&client()};
    OptionButton Option1{&client()};
    OptionButton Option2{&client()};
    OptionButton Option3{&client()};

    // The gradient.
    Frame Frame1{&client()};
    Label Label7{&Frame1};
    CheckBox Check2{&Frame1};
    PictureBox Picture1{&Frame1};
    PictureBox Picture2{&Frame1};
    PictureBox Picture3{&Frame1};
    PictureBox Picture4{&Frame1};
    PictureBox Picture5{&Frame1};
    CommonDialog CommonDialog1{*this};

    // The animation options.
    Frame Frame2{&client()};
    Label Label6{&Frame2};
    CheckBox Check1{&Frame2};
    Label Label8{&Frame2};
    CheckBox Check3{&Frame2};
    TextBox Text10{&Frame2};
    Label Label9{&Frame2};
    ScrollBar HScroll1{Qt::Horizontal, &Frame2};
    PictureBox meter{&Frame2};
    Label Label10{&Frame2};

    CommandButton Command3{&client()};
    CommandButton Command1{&client()};
    CommandButton Command2{&client()};

    MenuItem mnuHeavy{*this, "heavy line", QKeySequence(Qt::CTRL | Qt::Key_H)};
    MenuItem mnuMeter{*this, "frame meter off", QKeySequence(Qt::CTRL | Qt::Key_F)};
    MenuItem mnuFull{*this, "full screen", QKeySequence(Qt::CTRL | Qt::Key_S)};

    // The boxes of one sweep row.
    struct Row {
        TextBox &from;
        TextBox &to;
        TextBox &step;
    };
    // Pen distance, start angle and gear position, in this order.
    std::array<Row, 3> rows() { return {{{Text1, Text2, Text3}, {Text4, Text5, Text6}, {Text7, Text8, Text9}}}; }

    // Checks the nine row boxes: false, with the error window showing why,
    // when the sweep may not run. Points every step towards its "to".
    bool gencheck();
    // The frame rate in Text10 sets the least time per animation frame and
    // the frame meter's scale; a text that is no rate keeps both as they
    // were. The box's change, and "draw", apply it.
    void Text10_Change();

protected:
    void onLoad() override;
    void onUnload() override;

private:
    void placeControls();
    void setDesignValues();
    void connectEvents();

    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Command1_Click();
    bool familyFits(std::size_t stepped);
    void sweep(std::size_t stepped);
    void Command2_Click();
    void Command3_Click();
    void colorBox_Click(PictureBox &box);

    // The animation options.
    void Check1_Click();
    void Check3_Click();
    void enableFrameRate();
    void HScroll1_Change();
    void mnuHeavy_Click();
    void mnuMeter_Click();
    void mnuFull_Click();
};

#include "generatorpanel.h"

#include "core/module1.h"
#include "mainwindow/mainpanel.h"
#include "platform/twips.h"

GeneratorPanel::GeneratorPanel() : Form("genbox", "generator", 4680, 3690, BorderStyle::FixedSingle)
{
    // Right of the canvas, so that the main panel, the canvas and the
    // generator can be used side by side.
    moveTo(11250, 420);
    placeControls();
    setDesignValues();
    addMenu(*this, "animation", {&mnuHeavy, &mnuMeter, &mnuFull});
    connectEvents();
}

void GeneratorPanel::placeControls()
{
    const std::array<int, 3> rowTops{120, 600, 1080};
    place(penLabel, 240, 0, 735, 465);
    place(angleLabel, 240, 480, 735, 465);
    // Three lines: it may reach down to the gradient's frame.
    place(positionLabel, 240, 960, 735, 585);
    const std::array<OptionButton *, 3> options{&Option1, &Option2, &Option3};
    for (std::size_t index = 0; index < 3; ++index) {
        const Row row = rows()[index];
        const int top = rowTops[index];
        place(fromLabels[index], 960, top, 585, 255);
        place(row.from, 1560, top, 495, 285);
        place(toLabels[index], 2160, top, 240, 255);
        place(row.to, 2400, top, 495, 285);
        place(stepLabels[index], 3000, top, 480, 255);
        place(row.step, 3480, top, 495, 285);
        place(*options[index], 4200, top, 255, 255);
    }

    place(Frame1, 120, 1560, 4455, 855);
    place(Label7, 240, 360, 720, 255);
    place(Check2, 960, 360, 255, 255);
    int left = 1440;
    for (PictureBox *box : {&Picture1, &Picture2, &Picture3, &Picture4, &Picture5}) {
        place(*box, left, 240, 495, 495);
        left += 600;
    }

    place(Frame2, 120, 2400, 4455, 855);
    place(Label6, 120, 120, 735, 255);
    place(Check1, 960, 120, 255, 255);
    place(Label8, 120, 480, 735, 255);
    place(Check3, 960, 480, 255, 255);
    place(Text10, 1440, 120, 495, 285);
    place(Label9, 1920, 120, 1455, 255);
    place(HScroll1, 1440, 480, 1815, 255);
    place(meter, 3480, 240, 855, 255);
    place(Label10, 3360, 480, 975, 255);

    place(Command3, 480, 3360, 855, 255);
    place(Command1, 1800, 3360, 1095, 255);
    place(Command2, 3360, 3360, 855, 255);
}

void GeneratorPanel::setDesignValues()
{
    QFont bold = font();
    bold.setBold(true);
    const struct {
        Label &label;
        const char *caption;
        Color color;
    } rowLabels[] = {{penLabel, "pen raduis", RGB(0, 0, 192)},
                     {angleLabel, "start angle", RGB(0, 128, 0)},
                     {positionLabel, "rotating gear position", RGB(255, 0, 0)}};
    for (const auto &row : rowLabels) {
        row.label.setCaption(row.caption);
        row.label.setForeColor(row.color);
        row.label.setFont(bold);
    }
    for (std::size_t row = 0; row < 3; ++row) {
        fromLabels[row].setCaption("from ");
        toLabels[row].setCaption("to");
        stepLabels[row].setCaption("step");
    }
    const std::pair<TextBox *, const char *> texts[] = {{&Text1, "0"}, {&Text2, "250"}, {&Text3, "5"},
                                                         {&Text4, "0"}, {&Text5, "60"},  {&Text6, "30"},
                                                         {&Text7, "-100"}, {&Text8, "-100"}, {&Text9, "0"}};
    for (const auto &[box, text] : texts)
        box->setText(text);
    Option1.setChecked(true);
    Text6.setEnabled(false);
    Text9.setEnabled(false);

    Label7.setCaption("gradient");
    Picture1.setBackColor(RGB(255, 0, 0));
    Picture2.setBackColor(RGB(255, 128, 0));
    Picture3.setBackColor(RGB(255, 255, 0));
    Picture4.setBackColor(RGB(0, 192, 0));
    Picture5.setBackColor(RGB(0, 0, 192));

    Label6.setCaption("animate");
    Label8.setCaption("randomate");
    fitTogether({&Label6, &Label8});
    Text10.setText("30");
    Text10.setEnabled(false);
    Label9.setCaption(" fps   frame rate");
    HScroll1.setRange(2, 100);
    HScroll1.setValue(30);
    HScroll1.setEnabled(false);
    meter.setObjectName("meter");
    Label10.setCaption("  frame meter");

    Command3.setCaption("clear");
    Command1.setCaption("draw");
    Command2.setCaption("cancel");
}

void GeneratorPanel::connectEvents()
{
    connect(&Option1, &OptionButton::clicked, this, &GeneratorPanel::Option1_Click);
    connect(&Option2, &OptionButton::clicked, this, &GeneratorPanel::Option2_Click);
    connect(&Option3, &OptionButton::clicked, this, &GeneratorPanel::Option3_Click);
    connect(&Command1, &CommandButton::clicked, this, &GeneratorPanel::Command1_Click);
    connect(&Command2, &CommandButton::clicked, this, &GeneratorPanel::Command2_Click);
    connect(&Command3, &CommandButton::clicked, this, &GeneratorPanel::Command3_Click);
    for (PictureBox *box : {&Picture1, &Picture2, &Picture3, &Picture4, &Picture5})
        connect(box, &PictureBox::clicked, this, [this, box] { colorBox_Click(*box); });
    connect(&Check1, &CheckBox::clicked, this, &GeneratorPanel::Check1_Click);
    connect(&Check3, &CheckBox::clicked, this, &GeneratorPanel::Check3_Click);
    connect(&HScroll1, &ScrollBar::changed, this, &GeneratorPanel::HScroll1_Change);
    connect(&Text10, &TextBox::changed, this, &GeneratorPanel::Text10_Change);
    connect(&mnuHeavy, &MenuItem::clicked, this, &GeneratorPanel::mnuHeavy_Click);
    connect(&mnuMeter, &MenuItem::clicked, this, &GeneratorPanel::mnuMeter_Click);
    connect(&mnuFull, &MenuItem::clicked, this, &GeneratorPanel::mnuFull_Click);
}

void GeneratorPanel::onLoad()
{
    Text7.setText(Form1->Text5.text());
    Text8.setText(Form1->Text5.text());
    penWidth = 1;
    fullScreen = false;
    meterOn = true;
}

void GeneratorPanel::onUnload()
{
    // Closing the panel stops whatever long loop is running.
    animStopped = true;
    replaying = false;
}

// Only the stepped row's step box is enabled; the others keep their texts,
// which gencheck still tests.
void GeneratorPanel::Option1_Click()
{
    Text3.setEnabled(true);
    Text6.setEnabled(false);
    Text9.setEnabled(false);
}

void GeneratorPanel::Option2_Click()
{
    Text6.setEnabled(true);
    Text3.setEnabled(false);
    Text9.setEnabled(false);
}

void GeneratorPanel::Option3_Click()
{
    Text9.setEnabled(true);
    Text3.setEnabled(false);
    Text6.setEnabled(false);
}

void GeneratorPanel::Command2_Click()
{
    hide();
}

void GeneratorPanel::Command3_Click()
{
    Form1->Command1_Click();
}

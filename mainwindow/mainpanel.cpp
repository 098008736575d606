#include "mainpanel.h"

#include "drawingfiles.h"
#include "export/gifexport.h"
#include "export/metafileexport.h"
#include "export/pdfexport.h"
#include "export/pngexport.h"
#include "export/printdrawing.h"
#include "export/svgexport.h"
#include "platform/twips.h"
#include "setuppreview.h"

#include <QFont>

MainPanel::MainPanel() : Form("Form1", "Rondel", 3180, 5490, BorderStyle::FixedSingle)
{
    moveTo(45, 690);
    placeControls();
    setDesignValues();
    buildMenus();
    connectEvents();
}

void MainPanel::placeControls()
{
    place(Label5, 0, 120, 735, 495);
    place(Label4, 720, 120, 735, 495);
    place(Label7, 1560, 120, 495, 375);
    place(Label1, 2280, 120, 495, 495);
    place(Text1, 120, 600, 495, 285);
    place(Text2, 840, 600, 495, 285);
    place(Text4, 1560, 600, 495, 285);
    place(Text3, 2280, 600, 495, 285);
    place(Label3[0], 2880, 600, 255, 255);
    place(VScroll1, 240, 960, 255, 1335);
    place(VScroll2, 960, 960, 255, 1335);
    place(VScroll4, 1680, 960, 255, 1335);
    place(VScroll3, 2400, 960, 255, 1335);
    place(Command1, 240, 2520, 615, 375);
    place(chip0, 1080, 2520, 735, 375);
    place(start, 2040, 2520, 615, 375);
    place(Label2, 600, 3120, 1695, 255);
    place(HScroll1, 240, 3360, 1815, 255);
    place(Text5, 2280, 3360, 495, 285);
    place(Label3[1], 2880, 3360, 255, 255);
    place(Picture1, 720, 3720, 1695, 1695);
    place(Label6, 120, 0, 1095, 255);
}

void MainPanel::setDesignValues()
{
    const Color red = RGB(255, 0, 0);
    Label5.setCaption("sataionary gear ");
    Label4.setCaption(" rotating gear ");
    Label4.setForeColor(red);
    Label7.setCaption("start angle");
    Label7.setForeColor(RGB(0, 128, 0));
    Label1.setCaption("pen radius");
    Label1.setForeColor(RGB(0, 0, 255));
    for (Label *heading : {&Label5, &Label4, &Label7, &Label1})
        heading->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    fitTogether({&Label5, &Label4, &Label7, &Label1});

    Text1.setText("100");
    Text1.setEnabled(false);
    Text2.setText("40");
    Text2.setEnabled(false);
    Text4.setText("0");
    Text3.setText("100");
    Text3.setEnabled(false);
    QFont bold = font();
    bold.setBold(true);
    bold.setPointSize(12);
    for (Label &percent : Label3) {
        percent.setCaption("%");
        percent.setFont(bold);
    }

    VScroll1.setRange(120, 10);
    VScroll1.setValue(100);
    VScroll2.setRange(120, 10);
    VScroll2.setValue(40);
    VScroll4.setRange(360, 0);
    VScroll4.setValue(0);
    VScroll3.setRange(250, 0);
    VScroll3.setValue(100);

    Command1.setCaption("clear");
    chip0.setBackColor(RGB(0, 0, 192));
    start.setCaption("draw");

    Label2.setCaption("rotating gear position");
    Label2.setForeColor(red);
    HScroll1.setRange(-100, 100);
    HScroll1.setValue(-100);
    Text5.setText("-100");
    Text5.setEnabled(false);
    Picture1.setObjectName("Picture1");
    Picture1.setBackColor(paperColor());
    Label6.setCaption("setup");
    Label6.setForeColor(textColorOn(Picture1.backColor()));
}

void MainPanel::buildMenus()
{
    addMenu(*this, "&File",
            {&opendrawing, openrecent.menuAction(), &reopen, Separator,
             &savedrawing, Separator,
             &saveas, &exportsvg, &exportpng, &exportgif, &exportpdf, Separator,
             &print, &printpreview, Separator,
             &exit});
    addMenu(*this, "Edit",
            {&undo, &redo, Separator,
             &randomize, &prims, Separator,
             &gen, Separator,
             &copypicture});
    addMenu(*this, "View", {&zi, &zo, &smooth, Separator, &previewcurve});
    addMenu(*this, "Help", {&vhelp, &about});
}

void MainPanel::connectEvents()
{
    connect(&start, &CommandButton::clicked, this, &MainPanel::start_Click);
    connect(&Command1, &CommandButton::clicked, this, &MainPanel::Command1_Click);
    connect(&VScroll1, &ScrollBar::changed, this, &MainPanel::VScroll1_Change);
    connect(&VScroll2, &ScrollBar::changed, this, &MainPanel::VScroll2_Change);
    connect(&VScroll3, &ScrollBar::changed, this, &MainPanel::VScroll3_Change);
    connect(&VScroll4, &ScrollBar::changed, this, &MainPanel::VScroll4_Change);
    connect(&HScroll1, &ScrollBar::changed, this, &MainPanel::HScroll1_Change);
    connect(&Picture1, &PictureBox::clicked, this, &DrawSetup);
    connect(&chip0, &PictureBox::clicked, this, &MainPanel::chip0_Click);
    connect(&saveas, &MenuItem::clicked, this, &saveas_Click);
    connect(&exportsvg, &MenuItem::clicked, this, &exportsvg_Click);
    connect(&exportpng, &MenuItem::clicked, this, &exportpng_Click);
    connect(&exportgif, &MenuItem::clicked, this, &exportgif_Click);
    connect(&exportpdf, &MenuItem::clicked, this, &exportpdf_Click);
    connect(&print, &MenuItem::clicked, this, &print_Click);
    connect(&printpreview, &MenuItem::clicked, this, &printpreview_Click);
    connect(&copypicture, &MenuItem::clicked, this, &MainPanel::copypicture_Click);
    connect(&smooth, &MenuItem::clicked, this, &MainPanel::smooth_Click);
    connect(&exit, &MenuItem::clicked, this, &MainPanel::exit_Click);
    connect(&opendrawing, &MenuItem::clicked, this, &MainPanel::opendrawing_Click);
    connectHistory();
    connect(&openrecent, &ListMenu::opening, this, &MainPanel::openrecent_Opening);
    connect(&openrecent, &ListMenu::chosen, this, &OpenDrawingFile);
    connect(&reopen, &MenuItem::clicked, this, &MainPanel::reopen_Click);
    connect(&savedrawing, &MenuItem::clicked, this, &MainPanel::savedrawing_Click);
    connect(&randomize, &MenuItem::clicked, this, &MainPanel::randomize_Click);
    connect(&prims, &MenuItem::clicked, this, &MainPanel::prims_Click);
    connect(&gen, &MenuItem::clicked, this, &MainPanel::gen_Click);
    connect(&zi, &MenuItem::clicked, this, &MainPanel::zi_Click);
    connect(&zo, &MenuItem::clicked, this, &MainPanel::zo_Click);
    connect(&vhelp, &MenuItem::clicked, this, &MainPanel::vhelp_Click);
    connect(&about, &MenuItem::clicked, this, &MainPanel::about_Click);
    preview.connectEvents();
}

#pragma once

// The main panel, the program's start-up window: four vertical sliders for
// the stationary and rotating gear radii, the start angle and the pen
// distance, a horizontal slider for the rotating gear's position, a box
// beside each showing its value, "clear" and "draw" with the colour chip
// between them, and the setup box. Its load starts the program; its unload
// ends it.

#include "curvepreview.h"
#include "platform/commandbutton.h"
#include "platform/commondialog.h"
#include "platform/form.h"
#include "platform/label.h"
#include "platform/menu.h"
#include "platform/picturebox.h"
#include "platform/scrollbar.h"
#include "platform/textbox.h"

#include <array>
#include <optional>

class MainPanel : public Form
{
    Q_OBJECT
public:
    MainPanel();

    Label Label5{&client()};
    Label Label4{&client()};
    Label Label7{&client()};
    Label Label1{&client()};
    TextBox Text1{&client()};
    TextBox Text2{&client()};
    TextBox Text4{&client()};
    TextBox Text3{&client()};
    std::array<Label, 2> Label3{Label(&client()), Label(&client())};
    ScrollBar VScroll1{Qt::Vertical, &client()};
    ScrollBar VScroll2{Qt::Vertical, &client()};
    ScrollBar VScroll4{Qt::Vertical, &client()};
    ScrollBar VScroll3{Qt::Vertical, &client()};
    CommandButton Command1{&client()};
    PictureBox chip0{&client()};
    CommandButton start{&client()};
    Label Label2{&client()};
    ScrollBar HScroll1{Qt::Horizontal, &client()};
    TextBox Text5{&client()};
    PictureBox Picture1{&client()};
    Label Label6{&Picture1};
    CommonDialog CommonDialog1{*this};
    CommonDialog svgDialog{*this};
    CommonDialog pngDialog{*this};
    CommonDialog gifDialog{*this};
    CommonDialog pdfDialog{*this};
    CommonDialog drawingDialog{*this};

    MenuItem opendrawing{*this, "&Open drawing…", QKeySequence(Qt::CTRL | Qt::Key_O)};
    ListMenu openrecent{*this, "Open &recent"};
    MenuItem reopen{*this, "Reopen &last session"};
    MenuItem savedrawing{*this, "Save &drawing as…", QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S)};
    MenuItem saveas{*this, "&Save as  (.wmf)", QKeySequence(Qt::CTRL | Qt::Key_S)};
    MenuItem exportsvg{*this, "Export as S&VG…", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)};
    MenuItem exportpng{*this, "Export as P&NG…"};
    MenuItem exportgif{*this, "Export film as &GIF…"};
    MenuItem exportpdf{*this, "Export as PD&F…"};
    MenuItem print{*this, "&Print…", QKeySequence(Qt::CTRL | Qt::Key_P)};
    MenuItem printpreview{*this, "Print previe&w…"};
    MenuItem exit{*this, "E&xit"};
    MenuItem undo{*this, "Undo", QKeySequence(Qt::CTRL | Qt::Key_Z)};
    MenuItem redo{*this, "Redo", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)};
    MenuItem randomize{*this, "&Random colors", QKeySequence(Qt::CTRL | Qt::Key_R)};
    MenuItem prims{*this, "primary colors"};
    MenuItem gen{*this, "Generator", QKeySequence(Qt::CTRL | Qt::Key_G)};
    MenuItem copypicture{*this, "&Copy picture", QKeySequence(Qt::CTRL | Qt::Key_C)};
    MenuItem zi{*this, "zoom in", QKeySequence(Qt::Key_F1)};
    MenuItem zo{*this, "zoom out", QKeySequence(Qt::Key_F2)};
    MenuItem smooth{*this, "smooth lines"};
    MenuItem previewcurve{*this, "preview curve", QKeySequence(Qt::Key_F3)};
    MenuItem vhelp{*this, "view help"};
    MenuItem about{*this, "about Rondel"};

    // View -> preview curve, which follows the controls above.
    CurvePreview preview{*this};

    // "clear", which the generator's "clear" does too.
    void Command1_Click();

    // The record "draw" makes of the boxes' values, without its colour;
    // following the thumbs, a slider whose thumb is held counts where the
    // thumb stands. None when the start angle is no number.
    std::optional<DrawingRecord> valuesToDraw(bool followThumbs) const;

protected:
    void onLoad() override;
    void onUnload() override;

private:
    void placeControls();
    void setDesignValues();
    void buildMenus();
    void connectEvents();

    void start_Click();
    void VScroll1_Change();
    void VScroll2_Change();
    void VScroll3_Change();
    void VScroll4_Change();
    void HScroll1_Change();
    void exit_Click();
    void gen_Click();
    void zi_Click();
    void zo_Click();
    void vhelp_Click();
    void about_Click();
    void randomize_Click();
    void prims_Click();
    void chip0_Click();
    void copypicture_Click();
    void smooth_Click();

    void connectHistory();

    // Rondel's own drawing files.
    void opendrawing_Click();
    void openrecent_Opening();
    void savedrawing_Click();
    void reopen_Click();
};

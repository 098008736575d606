#include "mainpanel.h"

#include "canvaswindow.h"
#include "core/module1.h"
#include "drawingcolors.h"
#include "drawingfiles.h"
#include "animation/anistart.h"
#include "animation/screenwindow.h"
#include "generator/generatorpanel.h"
#include "infowindows/aboutwindow.h"
#include "infowindows/errorwindow.h"
#include "infowindows/helpwindow.h"
#include "platform/numbers.h"
#include "platform/system.h"
#include "setuppreview.h"
#include "undo/drawinghistory.h"

void MainPanel::onLoad()
{
    saveas.setEnabled(false);
    zoomFactor = 0.25;
    canvas->show();
    pi = ProgramPi;
    animStopped = true;
    replaying = false;
    randomize.setEnabled(true);
    prims.setEnabled(false);
    paletteIndex = 0;
    drawCount = 0;
    ScaleCanvas();
    DrawSetup();
    ::palette = {RGB(0, 0, 0),   RGB(256, 0, 0), RGB(0, 128, 128), RGB(128, 128, 0),
                 RGB(0, 0, 256), RGB(0, 256, 0), RGB(128, 0, 128), RGB(256, 128, 0)};
}

void MainPanel::onUnload()
{
    KeepLastSession();
    canvas.unload();
    screeen.unload();
    about1.unload();
    errbox.unload();
    help1.unload();
    genbox.unload();
    anistart.unload();
    End();
}

namespace {
// A box's number, or where its slider's thumb stands while it is held and
// the box still shows the old value.
std::optional<double> valueOf(const TextBox &box, const ScrollBar &slider, bool followThumb)
{
    if (const std::optional<int> dragged = slider.draggedValue(); dragged && followThumb)
        return *dragged;
    return textToNumber(box.text());
}
} // namespace

std::optional<DrawingRecord> MainPanel::valuesToDraw(bool followThumbs) const
{
    const std::optional<double> degrees = valueOf(Text4, VScroll4, followThumbs);
    if (!degrees)
        return std::nullopt;
    DrawingRecord record;
    record.statRadius = valueOf(Text1, VScroll1, followThumbs).value_or(0) * 5;
    record.rotRadius = valueOf(Text2, VScroll2, followThumbs).value_or(0) * 5;
    record.penDistance = (valueOf(Text3, VScroll3, followThumbs).value_or(0) / 100) * record.rotRadius;
    record.startAngle = (-WithinOneTurn(*degrees) / 180) * pi;
    const std::optional<int> position = HScroll1.draggedValue();
    record.gearPosition = std::int16_t(position && followThumbs ? *position : HScroll1.value());
    return record;
}

void MainPanel::start_Click()
{
    // Nothing is stored or drawn when the drawing cannot be made.
    if (drawCount >= DrawingSlots) {
        ShowError("the drawing list is full and must be cleared");
        return;
    }
    const std::optional<DrawingRecord> values = valuesToDraw(false);
    if (!values) {
        ShowError("the start angle must be a number");
        return;
    }
    saveas.setEnabled(true);
    // A running animation goes on, into the hidden window.
    screeen->hide();
    // The slot and the colour are taken before the curve is traced: tracing
    // can show a re-created canvas, whose replay yields to further clicks.
    const std::int16_t slot = drawCount;
    const NextDrawingColor before = CurrentNextDrawingColor();
    DrawingRecord &record = drawings.at(slot);
    record = *values;
    record.color = chip0.backColor();
    drawCount = std::int16_t(slot + 1);
    NextColor();
    RememberAdded("draw", slot, before);
    DrawCurve(slot);
}

void MainPanel::Command1_Click()
{
    if (drawCount > 0)
        RememberReplaced(Replacement::Clear);
    canvas->surface().clear();
    saveas.setEnabled(false);
    drawCount = 0;
    SetDrawingFileName({});
}

void MainPanel::VScroll1_Change()
{
    Text1.setText(QString::number(VScroll1.value()));
    DrawSetup();
}

void MainPanel::VScroll2_Change()
{
    Text2.setText(QString::number(VScroll2.value()));
    DrawSetup();
}

void MainPanel::VScroll3_Change()
{
    Text3.setText(QString::number(VScroll3.value()));
    DrawSetup();
}

void MainPanel::VScroll4_Change()
{
    Text4.setText(QString::number(VScroll4.value()));
    DrawSetup();
}

void MainPanel::HScroll1_Change()
{
    const QString position = QString::number(HScroll1.value());
    Text5.setText(position);
    genbox->Text7.setText(position);
    genbox->Text8.setText(position);
    DrawSetup();
}

void MainPanel::exit_Click()
{
    unload();
}

void MainPanel::gen_Click()
{
    genbox->show();
}

void MainPanel::vhelp_Click()
{
    help1->show();
}

void MainPanel::about_Click()
{
    about1->show();
}

void MainPanel::copypicture_Click()
{
    // A canvas the user has closed is made anew, hidden, with the drawings
    // since the last clear as a replay would draw them.
    if (!canvas.isLoaded()) {
        CanvasWindow &window = *canvas;
        ScaleCanvas();
        for (std::int16_t i = 0; i < drawCount; ++i)
            TraceCurveOn(window.surface(), drawings[i]);
    }
    canvas->surface().copyToClipboard();
}

// The caption names what choosing the item does next. The drawing list and
// the exports do not change with it; the canvas shows it from its next
// drawing on, the setup box at once.
void MainPanel::smooth_Click()
{
    smoothLines = !smoothLines;
    smooth.setCaption(smoothLines ? "sharp lines" : "smooth lines");
    canvas->surface().setSmooth(smoothLines);
    Picture1.surface().setSmooth(smoothLines);
    DrawSetup();
}

// The main panel's File commands for Rondel's own drawing files.

#include "mainpanel.h"

#include "drawingfiles.h"
#include "export/picturefile.h"
#include "filedialogs.h"
#include "infowindows/errorwindow.h"
#include "platform/savefile.h"

namespace {
const QString DrawingFilter = "Rondel drawings (*.rondel)|*.rondel|all files (*.*)|*.*";
} // namespace

void MainPanel::opendrawing_Click()
{
    drawingDialog.setFilter(DrawingFilter);
    // A file that cannot be opened is not proposed for saving the drawing.
    const QString proposed = drawingDialog.fileName();
    if (AskToOpen(drawingDialog, DrawingExtension) && !OpenDrawingFile(drawingDialog.fileName()))
        drawingDialog.setFileName(proposed);
}

void MainPanel::openrecent_Opening()
{
    openrecent.setItems(RecentDrawingFiles());
}

void MainPanel::savedrawing_Click()
{
    const auto write = [](SaveFile &file, QString &) {
        const QByteArray json = DrawingToJson(CurrentDrawing());
        return file.write(json.constData(), json.size());
    };
    if (ExportPicture(drawingDialog, DrawingFilter, DrawingExtension, write))
        RememberDrawingFile(drawingDialog.fileName());
}

void MainPanel::reopen_Click()
{
    QString reason;
    if (const std::optional<Drawing> drawing = ReadDrawingFile(LastSessionFile(), reason)) {
        SetDrawingFileName({});
        ShowDrawing(*drawing);
    }
    else
        ShowError("could not reopen the last session: " + reason);
}

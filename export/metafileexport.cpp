#include "metafileexport.h"

#include "core/curvetrace.h"
#include "core/module1.h"
#include "mainwindow/filedialogs.h"
#include "mainwindow/mainpanel.h"
#include "picturefile.h"
#include "platform/metafilerecorder.h"

#include <optional>

namespace {
// The recording of the save in progress, into which the drawings go.
std::optional<MetafileRecorder> metafile;
} // namespace

void saveas_Click()
{
    if (!SaveCanStart())
        return;
    CommonDialog &dialog = Form1->CommonDialog1;
    dialog.setFilter("meta files (*.wmf)|*.wmf|all files (*.*)|*.*");
    // A cancelled dialog writes nothing, not even the file chosen before,
    // and leaves Save as enabled for another try.
    if (!AskToSave(dialog, "wmf"))
        return;
    metafileName = dialog.fileName();
    SaveMetafile();
}

void SaveMetafile()
{
    QString reason;
    // A failed save leaves any earlier file of that name as it was, and
    // Save as enabled, so that nothing is lost.
    if (!RecordMetafile(metafileName, reason)) {
        ShowSaveFailure(metafileName, reason);
        return;
    }
    Form1->saveas.setEnabled(false);
}

bool RecordMetafile(const QString &fileName, QString &reason)
{
    metafile.emplace(fileName);
    std::int16_t plotted = 0;
    while (plotted < drawCount && metafile->errorString().isEmpty())
        PlotMetafileCurve(plotted++);
    const bool saved = metafile->close();
    reason = metafile->errorString();
    // The drawing that went out of range is the last one plotted.
    if (reason == PointOutsideMetafileRange)
        reason = QString("drawing %1 lies outside the range of metafile coordinates").arg(plotted);
    metafile.reset();
    return saved;
}

void PlotMetafileCurve(std::int16_t index)
{
    const DrawingRecord record = drawings.at(index);
    if (!CanTraceCurve(record))
        return;
    // The recorder rounds every coordinate, halves to the even neighbour.
    TraceCurve(
        record,
        [&](double x, double y) {
            metafile->selectObject(metafile->createPen(1, record.color));
            metafile->moveTo(x, y);
        },
        [&](double x, double y) { metafile->lineTo(x, y); });
}

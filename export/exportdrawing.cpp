#include "exportdrawing.h"

#include "mainwindow/canvaswindow.h"
#include "gifexport.h"
#include "metafileexport.h"
#include "pdfexport.h"
#include "platform/savefile.h"
#include "platform/twips.h"
#include "pngexport.h"
#include "printpage.h"
#include "svgexport.h"

#include <QFileInfo>
#include <QLocale>

namespace {
QString extensionOf(const QString &fileName)
{
    return QFileInfo(fileName).suffix().toLower();
}
} // namespace

bool IsPictureName(const QString &fileName)
{
    return QStringList{"wmf", "svg", "png", "gif", "pdf"}.contains(extensionOf(fileName));
}

bool ExportDrawing(const QString &fileName, const Drawing &drawing, ExportSettings settings, QString &reason)
{
    // The program's state as the main panel's load leaves it, with the
    // drawing's list in place of the empty one.
    pi = ProgramPi;
    const std::size_t count = std::min(drawing.records.size(), std::size_t(DrawingSlots));
    std::copy_n(drawing.records.begin(), count, drawings.begin());
    drawCount = std::int16_t(count);
    zoomFactor = drawing.zoom.value_or(0.25);
    penWidth = 1;
    const std::span<const DrawingRecord> records(drawings.data(), count);
    const QString extension = extensionOf(fileName);
    if (extension == "wmf")
        return RecordMetafile(fileName, reason);
    if ((extension == "gif" || extension == "pdf") && count == 0) {
        reason = extension == "gif" ? NoFilmReason : NoPageReason;
        return false;
    }

    SaveFile file(fileName);
    bool written = file.open();
    if (written && extension == "svg")
        written = WriteSvgPicture(file, records, 1, reason);
    else if (written && extension == "pdf")
        written = WritePdfPicture(file, records, settings.paper ? QPageSize(*settings.paper) : LocalePaper(QLocale()),
                                  DrawingTitle(QFileInfo(settings.fileName).fileName()), reason);
    else if (written && extension == "gif")
        written = WriteFilmGif(file, GifFrameDelay(std::floor(1000 / settings.fps)), reason);
    else if (written)
        written = WritePngPicture(file, records,
                                  QSize(twipsToPixels(CanvasWidth), twipsToPixels(CanvasHeight)) * settings.scale,
                                  zoomFactor, reason);
    if (written && file.commit())
        return true;
    file.cancel();
    if (reason.isEmpty())
        reason = file.errorString();
    return false;
}

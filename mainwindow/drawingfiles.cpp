#include "drawingfiles.h"

#include "canvaswindow.h"
#include "drawingcolors.h"
#include "filedialogs.h"
#include "infowindows/errorwindow.h"
#include "mainpanel.h"
#include "platform/savefile.h"
#include "setuppreview.h"
#include "undo/drawinghistory.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
constexpr int RecentFiles = 8;
const QString RecentKey = "recentDrawingFiles";

QString drawingFileName;
} // namespace

Drawing CurrentDrawing()
{
    Drawing drawing;
    drawing.records.assign(drawings.begin(), drawings.begin() + drawCount);
    drawing.colorMode = RandomColorMode() ? ColorMode::Random : ColorMode::Primary;
    drawing.nextColor = Form1->chip0.backColor();
    drawing.zoom = zoomFactor;
    drawing.palette = ::palette;
    drawing.paletteIndex = paletteIndex;
    return drawing;
}

void ShowDrawing(const Drawing &drawing)
{
    RememberReplaced(Replacement::Open);
    const std::size_t count = std::min(drawing.records.size(), std::size_t(DrawingSlots));
    std::copy_n(drawing.records.begin(), count, drawings.begin());
    drawCount = std::int16_t(count);
    MainPanel &panel = *Form1;
    panel.saveas.setEnabled(drawCount > 0);
    if (drawing.colorMode)
        SetRandomColorMode(*drawing.colorMode == ColorMode::Random);
    if (drawing.nextColor)
        panel.chip0.setBackColor(*drawing.nextColor);
    if (drawing.palette)
        ::palette = *drawing.palette;
    if (drawing.paletteIndex)
        paletteIndex = *drawing.paletteIndex;
    if (drawing.zoom) {
        zoomFactor = *drawing.zoom;
        ScaleCanvas();
    }
    DrawSetup();
    ReplayDrawingList();
}

bool OpenDrawingFile(const QString &fileName)
{
    QString reason;
    const std::optional<Drawing> drawing = ReadDrawingFile(fileName, reason);
    if (!drawing) {
        ShowError(QString("could not open \"%1\": %2").arg(ShownFileName(fileName), reason));
        return false;
    }
    RememberDrawingFile(fileName);
    ShowDrawing(*drawing);
    return true;
}

QString DrawingFileName()
{
    return drawingFileName;
}

void SetDrawingFileName(const QString &fileName)
{
    drawingFileName = fileName.isEmpty() ? QString() : QFileInfo(fileName).fileName();
}

QStringList RecentDrawingFiles()
{
    QStringList files = ProgramSettings().value(RecentKey).toStringList();
    files.removeIf([](const QString &file) { return !QFileInfo(file).isFile(); });
    return files.mid(0, RecentFiles);
}

void RememberDrawingFile(const QString &fileName)
{
    QStringList files = RecentDrawingFiles();
    const QString path = QFileInfo(fileName).absoluteFilePath();
    files.removeAll(path);
    files.prepend(path);
    ProgramSettings().setValue(RecentKey, files.mid(0, RecentFiles));
    ProposeFile(Form1->drawingDialog, DrawingExtension, path);
    SetDrawingFileName(fileName);
}

QString LastSessionFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/last-session.rondel";
}

void KeepLastSession()
{
    // An empty list keeps nothing worth more than the session before it:
    // a run started and ended at once, or ended after a clear, leaves the
    // last session as it was.
    // Nor is a folder made under a name the system cannot encode.
    if (drawCount == 0 || !SaveFile::nameIsEncodable(LastSessionFile()))
        return;
    QDir().mkpath(QFileInfo(LastSessionFile()).path());
    QString reason;
    WriteDrawingFile(LastSessionFile(), CurrentDrawing(), reason);
}

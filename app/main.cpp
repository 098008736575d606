#include "commandline.h"
#include "core/module1.h"
#include "mainwindow/drawingfiles.h"
#include "mainwindow/mainpanel.h"

#include <QApplication>
#include <cstdio>

namespace {
// Without windows the program's output is its own: a note of Qt's on the
// session (no runtime folder, say) would read as a second error line.
void keepQtsNotesQuiet(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}
} // namespace

int main(int argc, char *argv[])
{
    if (!NeedsDisplay(argc, argv)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(&keepQtsNotesQuiet);
    } else if (!DisplayNamed()) {
        PrintError("no display: set DISPLAY, or use --export");
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("rondel");
    QApplication::setApplicationVersion(RONDEL_VERSION);
    int status = 0;
    const std::optional<CommandLine> line = ParseCommandLine(QApplication::arguments(), status);
    if (!line)
        return status;
    if (!line->exportTo.isEmpty())
        return RunExport(*line);

    // The program ends when the main panel unloads, not when the last
    // window happens to close.
    app.setQuitOnLastWindowClosed(false);
    Form1->show();
    if (!line->file.isEmpty())
        OpenDrawingFile(line->file);
    return app.exec();
}

#include "commandline.h"
#include "core/module1.h"
#include "mainwindow/drawingfiles.h"
#include "mainwindow/mainpanel.h"

#include <QApplication>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {
const char NoDisplay[] = "no display: set DISPLAY, or use --export";

// Without windows the program's output is its own: a note of Qt's on the
// session (no runtime folder, say) would read as a second error line.
void keepQtsNotesQuiet(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

// A display that is named but cannot be reached (gone, or refused) makes
// Qt end the program from inside its start with several lines and an
// abort; the program says it in its one line instead. Qt's other notes of
// the start are kept until it has succeeded.
QStringList startNotes;
void reachDisplayOrEnd(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtFatalMsg) {
        startNotes << message;
        return;
    }
    PrintError(NoDisplay);
    std::_Exit(1);
}
} // namespace

int main(int argc, char *argv[])
{
    // A save that outgrows the file-size limit fails with a reason, as on a
    // full disk, instead of ending the program and losing the drawings.
    std::signal(SIGXFSZ, SIG_IGN);
    const bool windows = NeedsDisplay(argc, argv);
    if (!windows) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(&keepQtsNotesQuiet);
    } else if (!DisplayNamed()) {
        PrintError(NoDisplay);
        return 1;
    } else {
        qInstallMessageHandler(&reachDisplayOrEnd);
    }
    QApplication app(argc, argv);
    if (windows) {
        qInstallMessageHandler(nullptr);
        for (const QString &note : std::exchange(startNotes, {}))
            qWarning("%s", qPrintable(note));
    }
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

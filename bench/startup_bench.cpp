// Start-up, from the process's start until the main panel is on the screen:
// Rondel beside a bare Qt program that shows two plain windows of the main
// panel's and the canvas's sizes, measured in the same run on the same
// display (run it under Xvfb). Each child reports when its window is
// exposed; the parent times it from the moment it starts the process.

#include "core/module1.h"
#include "mainwindow/mainpanel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {
// Shows the window, waits until the display has it, and ends at once.
[[noreturn]] void reportWhenShown(QWidget &window)
{
    window.show();
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    std::puts("shown");
    std::fflush(stdout);
    _exit(0);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Milliseconds from starting the child until it has shown its window.
double timeStart(const QString &program, const QString &mode)
{
    QElapsedTimer timer;
    QProcess child;
    timer.start();
    child.start(program, {mode});
    child.waitForReadyRead(30000);
    const double milliseconds = timer.nsecsElapsed() / 1e6;
    child.waitForFinished();
    return milliseconds;
}
} // namespace

int main(int argc, char *argv[])
{
    if (argc == 2 && std::strcmp(argv[1], "rondel") == 0) {
        // As the program's own main does.
        QApplication app(argc, argv);
        QApplication::setApplicationName("rondel");
        app.setQuitOnLastWindowClosed(false);
        reportWhenShown(*Form1);
    }
    // The bare program, and the same with one line of text in the panel,
    // which makes Qt read the system's fonts as any program with text must.
    if (argc == 2 && (std::strcmp(argv[1], "bare") == 0 || std::strcmp(argv[1], "text") == 0)) {
        QApplication app(argc, argv);
        QWidget canvas, panel;
        canvas.resize(419, 400);
        canvas.show();
        panel.resize(212, 366);
        if (std::strcmp(argv[1], "text") == 0)
            (new QLabel("Rondel", &panel))->move(10, 10);
        reportWhenShown(panel);
    }
    const int rounds = argc == 2 ? std::atoi(argv[1]) : 15;
    const QString self = QString::fromLocal8Bit(argv[0]);
    std::vector<double> rondel, bare, text;
    for (int round = 0; round < rounds; ++round) {
        rondel.push_back(timeStart(self, "rondel"));
        bare.push_back(timeStart(self, "bare"));
        text.push_back(timeStart(self, "text"));
    }
    std::printf("start-up until the main panel is shown, median of %d runs: Rondel %.1f ms, bare Qt %.1f ms (ratio "
                "%.2f), bare Qt with a line of text %.1f ms (ratio %.2f)\n",
                rounds, median(rondel), median(bare), median(rondel) / median(bare), median(text),
                median(rondel) / median(text));
    return 0;
}

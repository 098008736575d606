#pragma once

// Helpers shared by the tests: starting the program as its entry point does,
// recording what the surfaces draw, and acting as the user.

#include "core/module1.h"
#include "platform/surface.h"

#include <QImage>
#include <QString>
#include <csignal>
#include <functional>
#include <map>
#include <ostream>
#include <vector>
#include <sys/resource.h>

// Lets the tests' failure messages show texts as text.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

// Loads and shows the main panel, as the program's start, and handles the
// events that follow.
void startProgram();

// The record that "draw" makes from slider values, in the chip's start colour
// unless another is given.
DrawingRecord panelRecord(double stat, double rot, double penPercent, double degrees, int position,
                          Color color = RGB(0, 0, 192));

// Records every drawing operation for as long as it lives.
class SurfaceRecorder
{
public:
    SurfaceRecorder() { Surface::setLog(&m_log); }
    ~SurfaceRecorder() { Surface::setLog(nullptr); }

    // The operations received by the named surface ("canvas", "Picture1"),
    // or only those of one kind.
    std::vector<SurfaceOp> on(const QString &surface) const;
    std::vector<SurfaceOp> on(const QString &surface, SurfaceOp::Kind kind) const;
    // The colours of the curves the canvas received, one per curve.
    std::vector<Color> canvasCurves() const;
    void clear() { m_log.clear(); }

private:
    std::vector<SurfaceOp> m_log;
};

// Runs the action at the next yield, that is inside the running loop.
void atNextYield(std::function<void()> action);
// Runs the action at the n-th yield from now; 1 is the next.
void atYield(int n, std::function<void()> action);

// The file's bytes; none when it cannot be read.
QByteArray contents(const QString &file);

// What pdfinfo says of the PDF: "Pages", "Page size", "Title", ...
std::map<QString, QString> pdfInfo(const QString &pdf);
// The PDF's first page drawn by pdftoppm at the dots per inch, without
// smoothing, so that every pixel of a line has the line's colour.
QImage renderedPdf(const QString &pdf, int dpi);

// Presses "draw" or "clear" on the main panel, "draw" once or many times.
void clickDraw();
void clickDrawTimes(int times);
void clickClear();
// A click of the left mouse button on the canvas.
void clickCanvas();

// A disk that fills up: files cannot grow beyond a few curves.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, m_saved.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_saved{};
    void (*m_handler)(int);
};

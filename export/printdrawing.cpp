#include "printdrawing.h"

#include "core/longloop.h"
#include "infowindows/errorwindow.h"
#include "mainwindow/drawingfiles.h"
#include "mainwindow/mainpanel.h"
#include "picturefile.h"
#include "platform/printdialog.h"
#include "platform/progressdialog.h"
#include "platform/savefile.h"
#include "printpage.h"

#include <QBuffer>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QPrinter>
#include <QThread>
#include <atomic>
#include <memory>

namespace {
// Hands show a printer set up with the paper and margins of the PDF export,
// which the dialogs offer first; an empty list says so instead.
void withPrinter(const std::function<void(QPrinter &printer)> &show)
{
    if (drawCount == 0) {
        ShowError(NoPageReason);
        return;
    }
    // A replay or film asked for meanwhile starts after the print.
    const LongLoopsHeld held;
    QPrinter printer(QPrinter::HighResolution);
    printer.setResolution(PageResolution);
    printer.setPageLayout(DrawingPageLayout(LocalePaper(QLocale())));
    printer.setDocName(DrawingTitle(DrawingFileName()));
    printer.setCreator(DrawingCreator());
    show(printer);
}

// Qt's print engine formats and compresses the page in calls that take
// seconds for a long list: they run beside the event loop, so that the
// windows stay drawn meanwhile. False when the device could not begin.
bool sendToPrinter(QPagedPaintDevice &device, const QPicture &page, ProgressDialog &progress)
{
    std::atomic<bool> done = false;
    bool begun = false;
    const std::unique_ptr<QThread> sender(QThread::create([&] {
        QPainter painter;
        begun = painter.begin(&device);
        if (begun) {
            // A picture plays back scaled from the screen's resolution to
            // the device's; its points are the device's already.
            painter.scale(double(page.logicalDpiX()) / device.logicalDpiX(),
                          double(page.logicalDpiY()) / device.logicalDpiY());
            painter.drawPicture(0, 0, page);
            painter.end();
        }
        done = true;
    }));
    sender->start();
    progress.waitFor("Sending the page to the printer…", [&] { return done.load(); });
    sender->wait();
    return begun;
}

// A print into a PDF file is saved as every file the program writes: whole
// or not at all, a failure named with its reason, a name the system cannot
// encode refused. Qt's printer would write the file itself and say nothing
// when the disk is full.
void printIntoFile(const QPrinter &printer, const QPicture &page, ProgressDialog &progress)
{
    SavePicture(printer.outputFileName(), [&](SaveFile &file, QString &reason) {
        // Qt's writer does not look at what its device's writes return:
        // the page is made in memory and then saved.
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        QPdfWriter writer(&pdf);
        writer.setResolution(printer.resolution());
        writer.setPageLayout(printer.pageLayout());
        writer.setTitle(printer.docName());
        writer.setCreator(printer.creator());
        if (!sendToPrinter(writer, page, progress)) {
            reason = "the page could not be made";
            return false;
        }
        return file.write(pdf.data().constData(), pdf.data().size());
    });
}

// The page is drawn into a picture first, which the user can stop: once
// Qt's print engine has begun a page, it sends it whatever happens.
void printPage(QPrinter &printer, const QString &title)
{
    const bool intoFile = printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
    if (intoFile && !SaveCanStart())
        return;
    const std::span<const DrawingRecord> records = DrawingsSinceClear();
    QString reason;
    const std::optional<PagePlacement> placement =
        PagePlacement::of(records, DrawingArea(printer.pageLayout()), reason);
    if (!placement) {
        ShowError("could not print: " + reason);
        return;
    }
    ProgressDialog progress(*Form1, title, int(records.size()));
    QPicture page;
    QPainter painter(&page);
    const bool drawn = PaintDrawingPage(painter, records, *placement, [&](int done) { return progress.advance(done); });
    painter.end();
    if (drawn && intoFile) {
        printIntoFile(printer, page, progress);
    } else if (drawn && !sendToPrinter(printer, page, progress)) {
        const QString where = printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
        ShowError(QString("could not print on \"%1\"").arg(where));
    }
}
} // namespace

void print_Click()
{
    withPrinter([](QPrinter &printer) {
        if (ShowPrintDialog(*Form1, printer))
            printPage(printer, "Print");
    });
}

void printpreview_Click()
{
    withPrinter([](QPrinter &printer) {
        ShowPrintPreview(*Form1, printer, [](QPrinter &shown) { printPage(shown, "Print preview"); });
    });
}

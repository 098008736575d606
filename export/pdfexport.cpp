#include "pdfexport.h"

#include "core/longloop.h"
#include "infowindows/errorwindow.h"
#include "mainwindow/drawingfiles.h"
#include "mainwindow/mainpanel.h"
#include "pdfdocument.h"
#include "picturefile.h"
#include "platform/progressdialog.h"
#include "printpage.h"

#include <QLocale>
#include <charconv>

namespace {
// A number with the decimals given and a blank after it. Not printf's:
// the program runs in the user's locale, whose decimal separator may be a
// comma, and a PDF's is always a point.
std::string decimal(double value, int decimals)
{
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text - 1, value, std::chars_format::fixed, decimals).ptr;
    *end = ' ';
    return std::string(text, end + 1);
}

// A colour channel in the few decimals that give back its byte exactly.
std::string channel(int value)
{
    return decimal(value / 255.0, 4);
}
} // namespace

void exportpdf_Click()
{
    if (drawCount == 0) {
        ShowError(NoPageReason);
        return;
    }
    // A replay or film asked for while the page is written starts after it.
    const LongLoopsHeld held;
    ExportPicture(Form1->pdfDialog, "PDF documents (*.pdf)|*.pdf|all files (*.*)|*.*", "pdf",
                  [](SaveFile &file, QString &reason) {
                      ProgressDialog progress(*Form1, "Export as PDF", drawCount);
                      return WritePdfPicture(file, DrawingsSinceClear(), LocalePaper(QLocale()),
                                             DrawingTitle(DrawingFileName()), reason,
                                             [&](int done) { return progress.advance(done); });
                  });
}

bool WritePdfPicture(SaveFile &file, std::span<const DrawingRecord> records, const QPageSize &paper, const QString &title,
                     QString &reason, const std::function<bool(int done)> &goOn)
{
    const QPageLayout layout = DrawingPageLayout(paper);
    const std::optional<PagePlacement> placement = PagePlacement::of(records, DrawingArea(layout), reason);
    if (!placement)
        return false;
    PdfDocument pdf(file);
    // Device units from the corner of Qt's paint rectangle, downwards, as a
    // printer of PageResolution counts them; round lines.
    const QSize page = paper.sizePoints();
    const QRect corner = layout.paintRectPixels(PageResolution);
    const double pointsPerUnit = 72.0 / PageResolution;
    pdf.add(decimal(pointsPerUnit, 4) + "0 0 " + decimal(-pointsPerUnit, 4) + decimal(corner.left() * pointsPerUnit, 4) +
            decimal(page.height() - corner.top() * pointsPerUnit, 4) + "cm\n1 J 1 j " +
            decimal(PagePlacement::lineWidth(), 4) + "w\n");
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (CanTraceCurve(records[i])) {
            const QColor colour = toQColor(records[i].color);
            pdf.add(channel(colour.red()) + channel(colour.green()) + channel(colour.blue()) + "RG\n");
            QPoint first;
            bool started = false, closed = false;
            placement->trace(records[i], [&](QPoint point) {
                pdf.addNumber(point.x());
                pdf.add(" ");
                pdf.addNumber(point.y());
                pdf.add(started ? " l\n" : " m\n");
                closed = started && point == first;
                if (!started)
                    first = point;
                started = true;
                pdf.passOnWhenFull();
            });
            pdf.add(closed ? "h S\n" : "S\n");
        }
        if (goOn && !goOn(int(i + 1)))
            return false;
    }
    return pdf.finish(page, title, DrawingCreator());
}

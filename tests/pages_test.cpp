#include "core/curvetrace.h"
#include "infowindows/errorwindow.h"
#include "platform/printdialog.h"
#include "platform/progressdialog.h"
#include "support/fixtures.h"

#include <QApplication>
#include <QLocale>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <limits>
#include <set>
#include <span>

namespace {

constexpr int Dpi = 150;
constexpr double PixelsPerMm = Dpi / 25.4;

class Pages : public ProgramTest
{
protected:
    void TearDown() override
    {
        QLocale::setDefault(QLocale::system());
        setPrintAnswer({});
        setPreviewAnswer({});
        ProgramTest::TearDown();
    }
    static void setList(const std::vector<DrawingRecord> &records)
    {
        std::copy(records.begin(), records.end(), drawings.begin());
        drawCount = std::int16_t(records.size());
    }
    static void printInto(QPrinter &printer, const QString &file)
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
    }
    // File -> Print into the PDF file, on square paper of the side in
    // millimetres or on the paper proposed, on a disk that may be full.
    static void printTo(const QString &file, double paperMm = 0, rlim_t diskBytes = RLIM_INFINITY)
    {
        setPrintAnswer([file, paperMm](QPrinter &printer) {
            if (paperMm > 0)
                printer.setPageSize(QPageSize(QSizeF(paperMm, paperMm), QPageSize::Millimeter));
            printInto(printer, file);
            return true;
        });
        const FileSizeLimit limit(diskBytes);
        Form1->print.trigger();
    }
};

// The page as the user expects it: the paper less 10 mm margins, the
// drawing centred there, and the farthest reach of its curves on the edge
// of the shorter side, with half a 0.2 mm line beyond. Every rendered point
// lies near a traced one in the colour of its curve; every traced point
// has a rendered one near it.
void expectCurvesWhereTheyBelong(const QImage &page, QSizeF paperMm, std::span<const DrawingRecord> records)
{
    double reach = 0;
    for (const DrawingRecord &record : records)
        reach = std::max(reach, CurveReach(record));
    const double scale = (std::min(paperMm.width(), paperMm.height()) - 20 - 0.2) / (2 * reach) * PixelsPerMm;
    const QPointF centre = QPointF(paperMm.width(), paperMm.height()) / 2 * PixelsPerMm;
    constexpr int Near = 2; // pixels: rounding, and half a line
    QImage allowed(page.size(), QImage::Format_Grayscale8);
    allowed.fill(0);
    QPainter painter(&allowed);
    painter.setPen(QPen(Qt::white, 0.2 * PixelsPerMm + 2 * Near));
    std::set<QRgb> colours;
    for (const DrawingRecord &record : records) {
        QPolygonF points;
        const QRgb colour = toQColor(record.color).rgb();
        colours.insert(colour);
        const auto check = [&](double x, double y) {
            const QPointF point = centre + QPointF(x, y) * scale;
            points << point;
            bool found = false;
            for (int dy = -Near; dy <= Near; ++dy)
                for (int dx = -Near; dx <= Near; ++dx)
                    found |= page.pixel(point.toPoint() + QPoint(dx, dy)) == colour;
            EXPECT_TRUE(found) << x << "," << y;
        };
        TraceCurve(record, check, check);
        painter.drawPolyline(points);
    }
    painter.end();
    // The renderer moves the edges of lines to whole pixels, and pixels
    // have their own edges: within Near pixels.
    const QRectF margins =
        QRectF(QPointF(10, 10) * PixelsPerMm, (paperMm - QSizeF(20, 20)) * PixelsPerMm).adjusted(-Near, -Near, Near, Near);
    int stray = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (const QRgb ink = page.pixel(x, y); ink != qRgb(255, 255, 255))
                stray += !colours.contains(ink) || qGray(allowed.pixel(x, y)) == 0 || !margins.contains(x, y);
    EXPECT_EQ(stray, 0);
}

TEST_F(Pages, APdfHoldsEveryCurveOnItsPointsOnTheLocalesPaper)
{
    const DrawingRecord round = panelRecord(100, 40, 100, 0, -100);
    // On the rim of an equal gear the pen draws an ellipse.
    const DrawingRecord wide = panelRecord(100, 100, 50, 0, 0, RGB(255, 0, 0));
    const DrawingRecord tall = panelRecord(100, 100, 50, 90, 0, RGB(0, 128, 0));
    const DrawingRecord zoomedOut = panelRecord(120, 120, 250, 30, 100);
    const DrawingRecord largePen = panelRecord(100, 40, 2000, 0, -100, RGB(200, 0, 200));
    const QSizeF a4(210, 297), letter(215.9, 279.4);
    const struct {
        const char *locale;
        std::vector<DrawingRecord> list;
        QSizeF paperMm;
        const char *paper;
    } rows[] = {
        {"en_US", {round}, letter, "612 x 792 pts (letter)"},
        {"de_DE", {wide}, a4, "595 x 842 pts (A4)"},
        {"es_MX", {tall}, letter, "612 x 792 pts (letter)"},
        {"fr_FR", {round, wide, tall}, a4, "595 x 842 pts (A4)"},
        {"en_GB", {round, zoomedOut}, a4, "595 x 842 pts (A4)"},
        {"en_CA", {largePen, round}, letter, "612 x 792 pts (letter)"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.locale);
        QLocale::setDefault(QLocale(row.locale));
        setList(row.list);
        exportAs(Form1->exportpdf, path("page.pdf"));
        const std::map<QString, QString> info = pdfInfo(path("page.pdf"));
        EXPECT_EQ(info.at("Pages"), "1");
        EXPECT_EQ(info.at("Page size"), row.paper);
        EXPECT_EQ(info.at("Title"), "Rondel drawing");
        EXPECT_TRUE(QRegularExpression("^Rondel \\d+\\.\\d+\\.\\d+$").match(info.at("Creator")).hasMatch());
        expectCurvesWhereTheyBelong(renderedPdf(path("page.pdf"), Dpi), row.paperMm, row.list);
    }
}

// Print and Print preview paint the page that Export as PDF writes; a print
// cancelled while it is drawn sends nothing, and an empty list says so.
TEST_F(Pages, PrintAndPreviewShowTheExportedPage)
{
    setList({panelRecord(100, 40, 100, 0, -100), panelRecord(100, 100, 50, 0, 0, RGB(255, 0, 0)),
             panelRecord(80, 30, 150, 20, 60, RGB(0, 128, 0))});
    exportAs(Form1->exportpdf, path("exported.pdf"));
    const QImage exported = renderedPdf(path("exported.pdf"), Dpi);

    QString title;
    setPrintAnswer([&](QPrinter &printer) {
        title = printer.docName();
        printInto(printer, path("printed.pdf"));
        return true;
    });
    QApplication::setActiveWindow(&*Form1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(title, "Rondel drawing");
    EXPECT_EQ(renderedPdf(path("printed.pdf"), Dpi), exported);

    int pages = 0;
    setPreviewAnswer([&](QPrintPreviewDialog &dialog) {
        auto *preview = dialog.findChild<QPrintPreviewWidget *>();
        preview->updatePreview();
        pages = preview->pageCount();
        printInto(*dialog.printer(), path("previewed.pdf"));
        preview->print();
    });
    Form1->printpreview.trigger();
    EXPECT_EQ(pages, 1);
    EXPECT_EQ(renderedPdf(path("previewed.pdf"), Dpi), exported);

    ProgressDialog::setCancelAnswer([](int done) { return done == 2; });
    printTo(path("cancelled.pdf"));
    exportAs(Form1->exportpdf, path("cancelled.pdf"));
    EXPECT_FALSE(QFileInfo::exists(path("cancelled.pdf")));

    // A print into a file fails as a save does; paper with no room inside
    // its margins is refused.
    ProgressDialog::setCancelAnswer({});
    const auto saveFailure = [&](const QString &file, const QString &reason) {
        return "could not save \"" + path(file) + "\": " + reason;
    };
    const std::pair<std::function<void()>, QString> failures[] = {
        {[&] { printTo(path("missing/printed.pdf")); }, saveFailure("missing/printed.pdf", "No such file or directory")},
        {[&] { printTo(path("big.pdf"), 0, 1000); }, saveFailure("big.pdf", "File too large")},
        {[&] { printTo(path("tiny.pdf"), 15); }, "could not print: the paper has no room inside its margins"}};
    for (const auto &[print, message] : failures) {
        print();
        EXPECT_EQ(errbox->Label1.caption(), message);
    }
    EXPECT_EQ(QDir(dir.path()).entryList({"*.pdf"}, QDir::Files), (QStringList{"exported.pdf", "previewed.pdf", "printed.pdf"}));

    // Values that only absurd typed input makes are refused.
    setList({panelRecord(100, 40, 100, 0, -100), panelRecord(100, 40, 100, std::nan(""), -100)});
    exportAs(Form1->exportpdf, path("absurd.pdf"));
    EXPECT_EQ(errbox->Label1.caption(),
              "could not save \"" + path("absurd.pdf") + "\": drawing 2 has a start angle that is not a finite number");
    setList({panelRecord(100, 40, 100, 0, -100), panelRecord(100, 40, std::numeric_limits<double>::infinity(), 0, -100)});
    Form1->print.trigger();
    EXPECT_EQ(errbox->Label1.caption(), "could not print: drawing 2 has a size that is not a finite number");
    setList({panelRecord(100, 40, std::nan(""), 0, -100)});
    Form1->print.trigger();
    EXPECT_EQ(errbox->Label1.caption(), "could not print: drawing 1 has a pen distance that is not a finite number");
    EXPECT_FALSE(QFileInfo::exists(path("absurd.pdf")));

    clickClear();
    for (MenuItem *item : {&Form1->exportpdf, &Form1->print, &Form1->printpreview}) {
        errbox.unload();
        exportAs(*item, path("empty.pdf"));
        EXPECT_EQ(errbox->Label1.caption(), "there are no drawings to put on a page");
    }
    EXPECT_FALSE(QFileInfo::exists(path("empty.pdf")));
}

} // namespace

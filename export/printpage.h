#pragma once

// One page of paper holding the drawings since the last clear, as Print,
// Print preview and the PDF export all lay it out: the locale's paper with
// 10 mm margins, the drawing centred and scaled so that the whole reach of
// every curve fits inside them, each curve one path in its colour with a
// line 0.2 mm wide, which any printer shows (a hairline is one printer dot).
//
// Points are placed in whole device units of 1/1200 inch (0.02 mm), as a
// high-resolution printer counts them from its paint rectangle: Qt's PDF
// engine writes a whole number in a third of the text of a fraction, which
// makes a print of a long list several times faster, and the PDF export
// writes the very same numbers, so that both render alike.

#include "core/curvetrace.h"

#include <QPageLayout>
#include <QPoint>
#include <QRectF>
#include <QString>
#include <functional>
#include <optional>
#include <span>

class QLocale;
class QPainter;

// Device units per inch.
inline constexpr int PageResolution = 1200;

// Why an empty list makes no page.
inline const QString NoPageReason = QStringLiteral("there are no drawings to put on a page");

// Letter where the locale's territory uses it, A4 elsewhere.
QPageSize LocalePaper(const QLocale &locale);

// The paper upright with 10 mm margins: the reach of the curves is a circle
// about the centre, which comes out as large upright as sideways.
QPageLayout DrawingPageLayout(const QPageSize &paper);

// The area inside the layout's margins, in device units from the corner of
// Qt's paint rectangle, as Qt's paged devices count them; Qt rounds that
// rectangle to whole points, the area is exact.
QRectF DrawingArea(const QPageLayout &layout);

// The title of the page: "Rondel drawing", with the name of the file the
// drawing came from, if any.
QString DrawingTitle(const QString &fileName);
// "Rondel" and the version.
QString DrawingCreator();

// Where the records stand in an area of a page, in device units.
class PagePlacement
{
public:
    // Nothing, with the reason, when a drawing has no finite reach.
    static std::optional<PagePlacement> of(std::span<const DrawingRecord> records, QRectF area, QString &reason);

    // The curve's points in device units, closing point included.
    template <typename Add>
    void trace(const DrawingRecord &record, Add add) const
    {
        const auto place = [&](double x, double y) { add(QPoint(whole(m_centre.x() + m_scale * x), whole(m_centre.y() + m_scale * y))); };
        TraceCurve(record, place, place);
    }

    // The width of a line, in device units.
    static double lineWidth();

private:
    static int whole(double value);

    QPointF m_centre;
    double m_scale = 1;
};

// Paints the records onto the painter, whose device counts PageResolution
// units per inch, asking goOn after each curve;
// false when it said to stop.
bool PaintDrawingPage(QPainter &painter, std::span<const DrawingRecord> records, const PagePlacement &placement,
                      const std::function<bool(int done)> &goOn = {});

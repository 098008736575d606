#include "printpage.h"

#include "platform/color.h"
#include "platform/numbers.h"

#include <QLocale>
#include <QPainter>
#include <QPolygon>
#include <cmath>

namespace {
constexpr double MarginMm = 10;
constexpr double LineWidthMm = 0.2;
constexpr double MmPerInch = 25.4;
} // namespace

QPageSize LocalePaper(const QLocale &locale)
{
    // The territories whose common paper is Letter, as the Unicode locale
    // data lists them.
    static const QList<QLocale::Territory> letter{
        QLocale::Belize,          QLocale::Canada,      QLocale::Chile,     QLocale::Colombia,
        QLocale::CostaRica,       QLocale::ElSalvador,  QLocale::Guatemala, QLocale::Mexico,
        QLocale::Nicaragua,       QLocale::Panama,      QLocale::Philippines, QLocale::PuertoRico,
        QLocale::UnitedStates,    QLocale::Venezuela};
    return QPageSize(letter.contains(locale.territory()) ? QPageSize::Letter : QPageSize::A4);
}

QPageLayout DrawingPageLayout(const QPageSize &paper)
{
    return QPageLayout(paper, QPageLayout::Portrait, QMarginsF(MarginMm, MarginMm, MarginMm, MarginMm),
                       QPageLayout::Millimeter);
}

QRectF DrawingArea(const QPageLayout &layout)
{
    const QRectF inches = layout.paintRect(QPageLayout::Inch);
    const QRectF area(inches.topLeft() * PageResolution, inches.size() * PageResolution);
    return area.translated(-layout.paintRectPixels(PageResolution).topLeft());
}

QString DrawingTitle(const QString &fileName)
{
    return fileName.isEmpty() ? QStringLiteral("Rondel drawing") : QStringLiteral("Rondel drawing — ") + fileName;
}

QString DrawingCreator()
{
    return QStringLiteral("Rondel " RONDEL_VERSION);
}

std::optional<PagePlacement> PagePlacement::of(std::span<const DrawingRecord> records, QRectF area, QString &reason)
{
    double reach = 0;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (!CanTraceCurve(records[i]))
            continue;
        const double curveReach = CurveReach(records[i]);
        // Such values come only from absurd typed input; no place on a
        // page would show them.
        if (!std::isfinite(curveReach) || !std::isfinite(records[i].startAngle)) {
            const char *const what = std::isnan(records[i].penDistance) ? "pen distance"
                                     : std::isfinite(curveReach)           ? "start angle"
                                                                           : "size";
            reason = QString("drawing %1 has a %2 that is not a finite number").arg(i + 1).arg(what);
            return std::nullopt;
        }
        reach = std::max(reach, curveReach);
    }
    // The SVG export's square for a list with nothing to trace.
    if (reach == 0)
        reach = 500;
    // The line's edge stays inside the margins too.
    const double side = std::min(area.width(), area.height()) - lineWidth();
    if (side <= 0) {
        reason = "the paper has no room inside its margins";
        return std::nullopt;
    }
    PagePlacement placement;
    placement.m_centre = area.center();
    placement.m_scale = side / (2 * reach);
    return placement;
}

double PagePlacement::lineWidth()
{
    return LineWidthMm / MmPerInch * PageResolution;
}

int PagePlacement::whole(double value)
{
    // Within the page for every finite record; held to whole numbers for
    // any other all the same.
    return nearestWithin<int>(value);
}

bool PaintDrawingPage(QPainter &painter, std::span<const DrawingRecord> records, const PagePlacement &placement,
                      const std::function<bool(int done)> &goOn)
{
    QPolygon points;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (CanTraceCurve(records[i])) {
            points.clear();
            placement.trace(records[i], [&](QPoint point) { points.append(point); });
            painter.setPen(QPen(toQColor(records[i].color), PagePlacement::lineWidth(), Qt::SolidLine, Qt::RoundCap,
                                Qt::RoundJoin));
            painter.drawPolyline(points);
        }
        if (goOn && !goOn(int(i + 1)))
            return false;
    }
    return true;
}

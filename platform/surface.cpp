#include "surface.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <climits>
#include <cmath>

namespace {
// Screens show about 60 pictures a second; a replay can draw thousands of
// curves a second, and copying the whole picture to the screen after each
// would cost more than drawing them.
constexpr int RepaintInterval = 15; // milliseconds

QPen pen(Color color)
{
    QPen pen(toQColor(color));
    pen.setCosmetic(true);
    pen.setWidth(1);
    return pen;
}
} // namespace

Surface::Surface(QWidget &owner)
    : m_owner(owner), m_backColor(fromQColor(owner.palette().color(QPalette::Window)))
{
}

void Surface::setLog(std::vector<SurfaceOp> *log)
{
    s_log = log;
}

void Surface::record(SurfaceOp::Kind kind, float x1, float y1, float x2, float y2, Color color)
{
    if (s_log)
        s_log->push_back({m_owner.objectName(), kind, x1, y1, x2, y2, color});
}

void Surface::setBackColor(Color color)
{
    m_backColor = color;
    clear();
}

void Surface::setScale(float left, float top, float right, float bottom)
{
    record(SurfaceOp::Scale, left, top, right, bottom, 0);
    // Lines gathered so far are drawn in the old coordinates.
    flush();
    fitToOwner();
    m_userScale = true;
    m_left = left;
    m_top = top;
    m_width = right - left;
    m_height = bottom - top;
    updateMapping();
}

void Surface::updateMapping()
{
    if (!m_userScale || m_width == 0 || m_height == 0) {
        m_xScale = m_yScale = 1;
        return;
    }
    const QSizeF pixels = m_image.deviceIndependentSize();
    m_xScale = pixels.width() / m_width;
    m_yScale = pixels.height() / m_height;
}

void Surface::fitToOwner()
{
    const qreal devicePixelRatio = m_owner.devicePixelRatioF();
    const QSize pixels = m_owner.size();
    if (!m_image.isNull() && m_image.deviceIndependentSize().toSize() == pixels &&
        m_image.devicePixelRatio() == devicePixelRatio)
        return;
    flush();
    QImage resized((pixels * devicePixelRatio).expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    resized.setDevicePixelRatio(devicePixelRatio);
    if (!m_blank) {
        resized.fill(toQColor(m_backColor));
        QPainter painter(&resized);
        painter.drawImage(0, 0, m_image);
    }
    m_image = resized;
    updateMapping();
}

void Surface::fillIfBlank()
{
    if (!m_blank)
        return;
    m_image.fill(toQColor(m_backColor));
    m_blank = false;
}

void Surface::clear()
{
    record(SurfaceOp::Clear, 0, 0, 0, 0, m_backColor);
    m_run.clear();
    fitToOwner();
    m_blank = true;
    m_currentX = m_currentY = 0;
    changed();
}

void Surface::moveTo(float x, float y)
{
    record(SurfaceOp::MoveTo, x, y, x, y, 0);
    // The gathered run ends where the current point jumps.
    flush();
    m_currentX = x;
    m_currentY = y;
}

void Surface::line(float x1, float y1, float x2, float y2, Color color)
{
    record(SurfaceOp::Line, x1, y1, x2, y2, color);
    begin();
    QPainter painter(&m_image);
    preparePainter(painter, pen(color));
    painter.drawLine(userToPixel(x1, y1), userToPixel(x2, y2));
    m_currentX = x2;
    m_currentY = y2;
    changed();
}

void Surface::startLineTo(float x, float y, Color color)
{
    record(SurfaceOp::LineTo, m_currentX, m_currentY, x, y, color);
    if (!m_run.empty() && color != m_runColor)
        flush();
    if (m_run.empty()) {
        fitToOwner();
        m_run.push_back(userToPixel(m_currentX, m_currentY));
        m_runColor = color;
        changed();
    }
}

void Surface::flush()
{
    if (m_run.empty())
        return;
    fillIfBlank();
    QPainter painter(&m_image);
    preparePainter(painter, pen(m_runColor));
    // A run holds one curve at most, which the tracer ends after 2^20
    // segments.
    painter.drawPolyline(m_run.data(), int(std::min<std::size_t>(m_run.size(), INT_MAX)));
    m_run.clear();
}

void Surface::circle(float x, float y, float radius, Color color)
{
    record(SurfaceOp::Circle, x, y, radius, 0, color);
    begin();
    QPainter painter(&m_image);
    preparePainter(painter, pen(color));
    const double pixels = std::abs(radius * m_xScale);
    painter.drawEllipse(userToPixel(x, y), pixels, pixels);
    changed();
}

void Surface::fillBox(float x1, float y1, float x2, float y2, Color color)
{
    record(SurfaceOp::FillBox, x1, y1, x2, y2, color);
    begin();
    QPainter painter(&m_image);
    painter.fillRect(QRectF(userToPixel(x1, y1), userToPixel(x2, y2)).normalized(), toQColor(color));
    changed();
}

void Surface::setSmooth(bool smooth)
{
    flush();
    m_smooth = smooth;
}

void Surface::preparePainter(QPainter &painter, const QPen &pen) const
{
    painter.setPen(pen);
    painter.setRenderHint(QPainter::Antialiasing, m_smooth);
}

void Surface::polyline(const QPoint *points, int count)
{
    if (s_log)
        s_log->push_back({m_owner.objectName(), SurfaceOp::Polyline, float(m_pen.width), 0, 0, 0, m_pen.color,
                          std::vector<QPoint>(points, points + count)});
    begin();
    PaintPolyline(m_image, m_pen, m_smooth, points, count);
    changed();
}

void PaintPolyline(QImage &image, const Pen &pen, bool smooth, const QPoint *points, int count)
{
    QPainter painter(&image);
    QPen qpen(toQColor(pen.color));
    qpen.setWidth(pen.width);
    painter.setPen(qpen);
    painter.setRenderHint(QPainter::Antialiasing, smooth);
    painter.drawPolyline(points, count);
}

void Surface::setOverlay(const QPolygonF &points, Color color)
{
    if (points.isEmpty() && m_overlay.isEmpty())
        return;
    record(SurfaceOp::Overlay, float(points.size()), 0, 0, 0, color);
    m_overlay = points;
    m_overlayColor = color;
    m_owner.update();
}

void Surface::paintOverlay(QPainter &painter) const
{
    if (m_overlay.isEmpty())
        return;
    QPolygonF pixels;
    pixels.reserve(m_overlay.size());
    for (const QPointF &point : m_overlay)
        pixels.append(userToPixel(float(point.x()), float(point.y())));
    preparePainter(painter, pen(m_overlayColor));
    painter.drawPolyline(pixels);
}

void Surface::changed()
{
    if (m_repaintEveryChange) {
        m_owner.update();
        return;
    }
    if (m_repaintPending)
        return;
    const qint64 wait = m_lastRepaint.isValid() ? RepaintInterval - m_lastRepaint.elapsed() : 0;
    if (wait <= 0) {
        m_owner.update();
        m_lastRepaint.start();
        return;
    }
    m_repaintPending = true;
    QTimer::singleShot(int(wait), &m_owner, [this] {
        m_repaintPending = false;
        m_owner.update();
        m_lastRepaint.start();
    });
}

// Before any operation other than continuing a run of lines.
void Surface::begin()
{
    flush();
    fitToOwner();
    fillIfBlank();
}

const QImage &Surface::image()
{
    begin();
    return m_image;
}

void Surface::copyToClipboard()
{
    QGuiApplication::clipboard()->setImage(image());
}

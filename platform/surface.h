#pragma once

// A drawing surface keeps its picture in a backing image, which the widget
// that owns it copies to the screen when it paints. Drawing happens in a
// user coordinate system set from the upper-left and lower-right corners of
// the client area, x growing to the right and y downwards in the usual case.
//
// Consecutive lines drawn from the current point in one colour are gathered
// into a single polyline and drawn when anything else happens to the
// surface, when it paints, or when its picture is read: the pixels come out
// the same, at a fraction of the cost per segment.
//
// An overlay (a preview) is a line that the owner paints over the picture
// and that never enters it, so that taking it away is one repaint.

#include "color.h"

#include <QElapsedTimer>
#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QString>
#include <vector>

class QPainter;
class QPen;
class QWidget;

// A solid pen: the line width in pixels and the colour.
struct Pen {
    int width = 1;
    Color color = 0;
    bool operator==(const Pen &) const = default;
};

// One drawing operation as a surface received it, in user coordinates.
struct SurfaceOp {
    enum Kind { Clear, Scale, MoveTo, Line, LineTo, Circle, FillBox, Polyline, Overlay };
    QString surface; // the owning widget's object name
    Kind kind;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0; // a circle's radius is x2, a polyline's pen width x1, an overlay's points x1
    Color color = 0;
    std::vector<QPoint> points = {}; // a polyline's
    bool operator==(const SurfaceOp &) const = default;
};

// Draws the points joined by lines of the pen into the image, anti-aliased
// when smooth: what a surface does with a polyline, for pictures made away
// from any window.
void PaintPolyline(QImage &image, const Pen &pen, bool smooth, const QPoint *points, int count);

class Surface
{
public:
    explicit Surface(QWidget &owner);

    void setBackColor(Color color);
    Color backColor() const { return m_backColor; }

    // The user coordinate system: (left, top) at the upper-left corner of
    // the client area and (right, bottom) at its lower-right corner.
    void setScale(float left, float top, float right, float bottom);
    QPointF userToPixel(float x, float y) const
    {
        if (!m_userScale)
            return QPointF(x, y);
        return QPointF((x - m_left) * m_xScale, (y - m_top) * m_yScale);
    }
    bool hasUserScale() const { return m_userScale; }

    // Clears to the background colour; the current point returns to (0, 0).
    void clear();
    // Moves the current point without drawing.
    void moveTo(float x, float y);
    // A line in the given colour; afterwards the current point is the
    // second point.
    void line(float x1, float y1, float x2, float y2, Color color);
    // A line from the current point, which then moves to (x, y). The tracer
    // calls it for every segment, so a line that goes on with the gathered
    // run in its colour is appended here, inline.
    void lineTo(float x, float y, Color color)
    {
        if (s_log || m_run.empty() || color != m_runColor)
            startLineTo(x, y, color);
        m_run.push_back(userToPixel(x, y));
        m_currentX = x;
        m_currentY = y;
    }
    // A circle outline; the radius is measured along the x axis.
    void circle(float x, float y, float radius, Color color);
    void fillBox(float x1, float y1, float x2, float y2, Color color);

    // The pen for polylines; the surface keeps its own copy.
    void selectPen(const Pen &pen) { m_pen = pen; }
    // Consecutive points joined by lines of the selected pen, in pixels,
    // drawn in one call.
    void polyline(const QPoint *points, int count);

    // A surface that shows animation frames goes to the screen with every
    // change instead of at most every repaint interval.
    void setRepaintEveryChange(bool every) { m_repaintEveryChange = every; }
    // Anti-aliased lines and circles from now on, or the sharp ones.
    void setSmooth(bool smooth);
    bool smooth() const { return m_smooth; }

    // The overlay: a line through points in user coordinates, in the
    // colour; no points, no overlay. The owner repaints at once.
    void setOverlay(const QPolygonF &points, Color color);
    // Draws the overlay with the owner's painter, over the picture, as
    // lineTo would draw the same points into it.
    void paintOverlay(QPainter &painter) const;

    float currentX() const { return m_currentX; }
    float currentY() const { return m_currentY; }

    // The picture as it stands, with every gathered line drawn.
    const QImage &image();
    // Whether the picture is the background colour alone, as it is from a
    // clear until anything is drawn.
    bool isBlank() const { return m_blank && m_run.empty(); }
    // Puts the picture on the system's clipboard.
    void copyToClipboard();
    // Follows a change of the owner's size, keeping the picture at the
    // upper-left. Every operation does this first, since a hidden widget
    // learns of its new geometry only when it is shown.
    void fitToOwner();

    // A test seam: while a log is set, every surface appends what it is
    // asked to draw to it.
    static void setLog(std::vector<SurfaceOp> *log);

private:
    void record(SurfaceOp::Kind kind, float x1, float y1, float x2, float y2, Color color);
    // Records the line, and ends the gathered run if it has another colour;
    // a new run starts at the current point.
    void startLineTo(float x, float y, Color color);
    void flush();
    void updateMapping();
    // A blank picture's pixels are set only when something is drawn on it
    // or it is read: windows that show nothing else, and a canvas cleared
    // several times before its first curve, never pay for filling them.
    void fillIfBlank();
    void preparePainter(QPainter &painter, const QPen &pen) const;
    void begin();
    // Asks the owner to repaint, at most once per repaint interval.
    void changed();

    static inline std::vector<SurfaceOp> *s_log = nullptr;

    QWidget &m_owner;
    QImage m_image;
    bool m_blank = true;
    Color m_backColor;

    bool m_userScale = false; // pixels until a scale is set
    float m_left = 0, m_top = 0, m_width = 1, m_height = 1;
    double m_xScale = 1, m_yScale = 1; // pixels per user unit
    float m_currentX = 0, m_currentY = 0;
    std::vector<QPointF> m_run; // the gathered polyline, in pixels
    Color m_runColor = 0;
    QElapsedTimer m_lastRepaint;
    bool m_repaintPending = false;
    bool m_repaintEveryChange = false;
    bool m_smooth = false;
    Pen m_pen;
    QPolygonF m_overlay; // in user coordinates
    Color m_overlayColor = 0;
};

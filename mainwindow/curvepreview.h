#pragma once

// View -> preview curve (F3): while the item is checked, the canvas shows
// in grey, over the drawings and never in them, the curve that "draw"
// would add now: the tracer's points for the main panel's values, taken as
// "draw" takes them, except that a slider whose thumb is being dragged
// counts where the thumb stands. Changes that come faster than the screen
// refreshes are merged: the curve is retraced at most once per refresh,
// with the latest values.
//
// The preview hides after a draw until a setting changes, even when it is
// turned on meanwhile, so that the new curve shows in its own colour and
// never under grey; while a replay or a film runs, so as never
// to slow one, coming back once it ends; and when the values make no
// curve. A canvas the user has closed stays closed: the preview shows on
// it when it comes back. The choice is kept in the program's settings.

#include "core/module1.h"

#include <QObject>
#include <QPolygonF>
#include <QTimer>
#include <cstdint>
#include <optional>

class MainPanel;

class CurvePreview : public QObject
{
    Q_OBJECT
public:
    explicit CurvePreview(MainPanel &panel);

    // Checks the menu item as the settings remember it and follows the
    // panel's controls, after the panel's own handlers.
    void connectEvents();

    // Puts the preview on the canvas as it should be now, retracing it if
    // a setting has changed since it was last traced.
    void refresh();
    // A long loop has started, or the last one has ended.
    void longLoopsChanged();

private:
    void itemClicked();
    void drawClicked();
    // A value may have changed: the preview follows at the next refresh of
    // the screen.
    void schedule();
    bool shown() const;
    void retrace(const std::optional<DrawingRecord> &record);

    MainPanel &m_panel;
    QTimer m_refreshTimer;
    std::optional<std::int64_t> m_lastShown; // the tick count
    std::optional<DrawingRecord> m_tracedRecord; // none: no curve
    QPolygonF m_points; // in canvas units
    // The values of the last draw, while they stay as they were.
    std::optional<DrawingRecord> m_drawn;
    std::int16_t m_countBeforeDraw = 0;
};

#include "curvepreview.h"

#include "canvaswindow.h"
#include "core/curvetrace.h"
#include "core/longloop.h"
#include "filedialogs.h"
#include "mainpanel.h"
#include "platform/system.h"

#include <QScreen>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {
const QString SettingKey = "previewCurve";

Color previewColor()
{
    return RGB(160, 160, 160);
}

// The milliseconds of one refresh of the screen the window stands on; a
// screen that reports no rate, or an absurd one, counts as 60 Hz.
int refreshInterval(const QWidget &window)
{
    const QScreen *screen = window.screen();
    const double rate = screen ? screen->refreshRate() : 0;
    return int(std::ceil(1000 / (rate >= 20 && rate <= 1000 ? rate : 60)));
}

void followLongLoops()
{
    if (MainPanel *panel = Form1.loaded())
        panel->preview.longLoopsChanged();
}
} // namespace

CurvePreview::CurvePreview(MainPanel &panel) : m_panel(panel)
{
    m_refreshTimer.setSingleShot(true);
    connect(&m_refreshTimer, &QTimer::timeout, this, &CurvePreview::refresh);
}

void CurvePreview::connectEvents()
{
    MainPanel &panel = m_panel;
    panel.previewcurve.setCheckable(true);
    // Off unless the settings say "true": a file edited by hand may say
    // anything.
    panel.previewcurve.setChecked(ProgramSettings().value(SettingKey).toString() == "true");
    connect(&panel.previewcurve, &MenuItem::clicked, this, &CurvePreview::itemClicked);
    for (TextBox *box : {&panel.Text1, &panel.Text2, &panel.Text3, &panel.Text4})
        connect(box, &TextBox::changed, this, &CurvePreview::schedule);
    for (ScrollBar *slider : {&panel.VScroll1, &panel.VScroll2, &panel.VScroll3, &panel.VScroll4, &panel.HScroll1})
        connect(slider, &ScrollBar::scrolling, this, &CurvePreview::schedule);
    connect(&panel.HScroll1, &ScrollBar::changed, this, &CurvePreview::schedule);
    // Whether "draw" added a curve shows in the count, noted as the button
    // is let go, just before its click is handled.
    connect(&panel.start, &CommandButton::released, this, [this] { m_countBeforeDraw = drawCount; });
    connect(&panel.start, &CommandButton::clicked, this, &CurvePreview::drawClicked);
    connect(&panel.smooth, &MenuItem::clicked, this, &CurvePreview::refresh);
    setLongLoopWatcher(&followLongLoops);
}

void CurvePreview::itemClicked()
{
    ProgramSettings().setValue(SettingKey, m_panel.previewcurve.isChecked());
    refresh();
}

void CurvePreview::drawClicked()
{
    // A clear inside the draw's yield (a canvas shown anew) leaves no
    // drawing to hide the preview for.
    if (drawCount <= m_countBeforeDraw)
        return;
    // What draw stored, which is the boxes' values even while a thumb is
    // held elsewhere: letting the thumb go there is a change.
    DrawingRecord drawn = drawings.at(drawCount - 1);
    drawn.color = DrawingRecord().color;
    m_drawn = drawn;
    refresh();
}

void CurvePreview::longLoopsChanged()
{
    if (shown())
        schedule();
    else
        refresh();
}

// The first change after a pause shows at the next turn of the event
// loop; the changes that follow within a refresh of the screen wait for
// its end, and the values they leave are shown once.
void CurvePreview::schedule()
{
    const CanvasWindow *window = canvas.loaded();
    if (!window || !m_panel.previewcurve.isChecked() || m_refreshTimer.isActive())
        return;
    const int interval = refreshInterval(*window);
    const std::int64_t wait = m_lastShown ? interval - (GetTickCount() - *m_lastShown) : 0;
    m_refreshTimer.start(int(std::clamp<std::int64_t>(wait, 0, interval)));
}

void CurvePreview::refresh()
{
    // A closed canvas is never opened for a preview.
    CanvasWindow *window = canvas.loaded();
    if (!window)
        return;
    const std::optional<DrawingRecord> record = m_panel.valuesToDraw(true);
    if (record != m_drawn)
        m_drawn.reset();
    if (!shown()) {
        window->surface().setOverlay({}, previewColor());
        return;
    }
    if (record != m_tracedRecord)
        retrace(record);
    m_lastShown = GetTickCount();
    window->surface().setOverlay(m_points, previewColor());
}

bool CurvePreview::shown() const
{
    return m_panel.previewcurve.isChecked() && !m_drawn && !LongLoopRunning(LongLoop::Replay) &&
           !LongLoopRunning(LongLoop::Film);
}

// The canvas's points, converted as the canvas tracer converts them.
void CurvePreview::retrace(const std::optional<DrawingRecord> &record)
{
    m_tracedRecord = record;
    m_points.clear();
    if (!record || !CanTraceCurve(*record))
        return;
    const auto add = [this](double x, double y) {
        m_points.append(QPointF(ToCanvasCoordinate(x), ToCanvasCoordinate(y)));
    };
    TraceCurve(*record, add, add);
}

#include "drawinghistory.h"

#include "mainwindow/canvaswindow.h"
#include "mainwindow/drawingcolors.h"
#include "mainwindow/drawingfiles.h"
#include "mainwindow/mainpanel.h"
#include "mainwindow/setuppreview.h"

#include <QUndoStack>
#include <utility>
#include <vector>

namespace {
constexpr int LongestHistory = 100;
// The id under which a film's steps merge.
constexpr int FilmStepId = 1;

std::vector<DrawingRecord> currentList()
{
    return {drawings.begin(), drawings.begin() + drawCount};
}

void setNextDrawingColor(NextDrawingColor color)
{
    Form1->chip0.setBackColor(color.chip);
    paletteIndex = color.paletteIndex;
}

// A step's change has been made when it is remembered: its first redo,
// which pushing it runs, does nothing.
class DrawingStep : public QUndoCommand
{
public:
    using QUndoCommand::QUndoCommand;

    void redo() final
    {
        if (m_made)
            redoChange();
        m_made = true;
    }

protected:
    virtual void redoChange() = 0;

private:
    bool m_made = false;
};

class AddedStep : public DrawingStep
{
public:
    AddedStep(const QString &what, std::int16_t from, NextDrawingColor before)
        : DrawingStep(what), m_from(from), m_added(drawings.begin() + from, drawings.begin() + drawCount),
          m_before(before), m_after(CurrentNextDrawingColor())
    {
    }

    void undo() override
    {
        drawCount = m_from;
        setNextDrawingColor(m_before);
    }

protected:
    void redoChange() override
    {
        std::copy(m_added.begin(), m_added.end(), drawings.begin() + m_from);
        drawCount = std::int16_t(m_from + std::ssize(m_added));
        setNextDrawingColor(m_after);
    }

private:
    std::int16_t m_from;
    std::vector<DrawingRecord> m_added;
    NextDrawingColor m_before;
    NextDrawingColor m_after;
};

QString textOf(Replacement kind)
{
    switch (kind) {
    case Replacement::Clear: return "clear";
    case Replacement::Open: return "open";
    case Replacement::Film: return "film";
    }
    return {};
}

// The colour mode, the zoom and the palette an open brought with it.
struct OpenedSettings {
    bool randomMode;
    double zoom;
    std::array<Color, 8> palette;
};

OpenedSettings currentOpenedSettings()
{
    return {RandomColorMode(), zoomFactor, ::palette};
}

void setOpenedSettings(OpenedSettings settings)
{
    SetRandomColorMode(settings.randomMode);
    ::palette = settings.palette;
    if (zoomFactor != settings.zoom) {
        zoomFactor = settings.zoom;
        ScaleCanvas();
    }
}

// Holds the list that is not the live one: the one replaced, or after an
// undo the one the change had left.
class ReplacedStep : public DrawingStep
{
public:
    explicit ReplacedStep(Replacement kind)
        : DrawingStep(textOf(kind)), m_kind(kind), m_other(currentList()), m_otherColor(CurrentNextDrawingColor()),
          m_otherSettings(currentOpenedSettings()), m_otherFileName(DrawingFileName())
    {
    }

    // Undone, a clear keeps an empty list to give back, whatever a film
    // drew after it.
    void undo() override { swap(m_kind == Replacement::Clear ? std::vector<DrawingRecord>() : currentList()); }
    int id() const override { return m_kind == Replacement::Film ? FilmStepId : -1; }
    // The film after this one continues it: the list before both is kept.
    bool mergeWith(const QUndoCommand *) override { return true; }

protected:
    void redoChange() override { swap(currentList()); }

private:
    // Puts the other list in place and keeps the live one as the other.
    void swap(std::vector<DrawingRecord> live)
    {
        const NextDrawingColor liveColor = CurrentNextDrawingColor();
        std::copy(m_other.begin(), m_other.end(), drawings.begin());
        drawCount = std::int16_t(m_other.size());
        setNextDrawingColor(m_otherColor);
        m_other = std::move(live);
        m_otherColor = liveColor;
        // Only an open changes the colour mode, the zoom and the palette;
        // the menus' and the chip's own changes of them are no steps, and
        // undoing a clear does not take them back.
        if (m_kind == Replacement::Open)
            setOpenedSettings(std::exchange(m_otherSettings, currentOpenedSettings()));
        // The list came from the file it came from then (a page's title
        // names it); a film keeps the file.
        if (m_kind != Replacement::Film)
            SetDrawingFileName(std::exchange(m_otherFileName, DrawingFileName()));
    }

    Replacement m_kind;
    std::vector<DrawingRecord> m_other;
    NextDrawingColor m_otherColor;
    OpenedSettings m_otherSettings;
    QString m_otherFileName;
};

// The list as a step left it: Save as offered when it holds drawings, and
// the canvas redrawn, a running replay or film handed over.
void showChangedList()
{
    Form1->saveas.setEnabled(drawCount > 0);
    DrawSetup();
    ReplayDrawingList();
}
} // namespace

NextDrawingColor CurrentNextDrawingColor()
{
    return {Form1->chip0.backColor(), paletteIndex};
}

QUndoStack &DrawingHistory()
{
    static QUndoStack *const history = [] {
        auto *stack = new QUndoStack;
        stack->setUndoLimit(LongestHistory);
        return stack;
    }();
    return *history;
}

void RememberAdded(const QString &what, std::int16_t from, NextDrawingColor before)
{
    DrawingHistory().push(new AddedStep(what, from, before));
}

void RememberReplaced(Replacement kind)
{
    DrawingHistory().push(new ReplacedStep(kind));
}

void RememberFilmFrame()
{
    QUndoStack &history = DrawingHistory();
    const int latest = history.index() - 1;
    if (latest >= 0 && history.index() == history.count() && history.command(latest)->id() == FilmStepId)
        return;
    RememberReplaced(Replacement::Film);
}

// The replay comes after the stack's own step: a second undo inside its
// yields then finds the stack already moved on.
void UndoDrawingChange()
{
    if (!DrawingHistory().canUndo())
        return;
    DrawingHistory().undo();
    showChangedList();
}

void RedoDrawingChange()
{
    if (!DrawingHistory().canRedo())
        return;
    DrawingHistory().redo();
    showChangedList();
}

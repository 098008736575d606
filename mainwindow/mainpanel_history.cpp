// The main panel's Undo and Redo, which follow the drawing list's history.

#include "mainpanel.h"

#include "undo/drawinghistory.h"

#include <QUndoStack>

void MainPanel::connectHistory()
{
    redo.setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    // The drawings' history is the program's, whichever window has the
    // focus: the canvas, a film's screen window or the generator.
    undo.setShortcutContext(Qt::ApplicationShortcut);
    redo.setShortcutContext(Qt::ApplicationShortcut);
    QUndoStack &history = DrawingHistory();
    const auto follow = [this, &history] {
        undo.setEnabled(history.canUndo());
        undo.setCaption(history.canUndo() ? "Undo " + history.undoText() : "Undo");
        redo.setEnabled(history.canRedo());
        redo.setCaption(history.canRedo() ? "Redo " + history.redoText() : "Redo");
    };
    follow();
    connect(&history, &QUndoStack::indexChanged, this, follow);
    connect(&undo, &MenuItem::clicked, this, &UndoDrawingChange);
    connect(&redo, &MenuItem::clicked, this, &RedoDrawingChange);
}

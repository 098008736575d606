#pragma once

// Edit -> Undo and Redo for the drawing list. Each change of the list is
// one step on a QUndoStack of at most 100: a drawing, a clear, a generated
// family, an opened file, a whole endless film. A step brings back the list
// and the next colour (the chip and the palette position) as they were, and
// the canvas is then redrawn by a replay.
//
// A drawing or a family keeps only the records it added; a clear, an open
// or a film keeps the list it replaced, and on its undo the list it leaves,
// so that a step never holds more than one list of 5001 records. An open
// also takes back the colour mode, the zoom and the palette it brought, and
// an open or a clear the file the list came from. Steps are
// remembered once their change has been made, before anything can yield;
// undo and redo change the list in one stretch, then hand a running replay
// or film over to the replay, so that the list is whole inside any yield.

#include "core/module1.h"

#include <QString>

class QUndoStack;

// The colour of the next drawing: the chip's, and the palette position.
struct NextDrawingColor {
    Color chip;
    std::int16_t paletteIndex;
};
NextDrawingColor CurrentNextDrawingColor();

// Records [from, drawCount) were just added; before is the next colour as
// it was before them.
void RememberAdded(const QString &what, std::int16_t from, NextDrawingColor before);
// The list is about to be cleared, replaced by a file's (which may bring
// its colour mode and zoom), or by an endless film's frames: keeps it, with
// the next colour. A film that follows a film, as one resumed after a pause
// does, goes on in the same step.
enum class Replacement { Clear, Open, Film };
void RememberReplaced(Replacement kind);
// The endless film is about to write a frame into the list: its frames go
// on in the film's step while that is the latest, and start a new one after
// any other change (a draw or a clear during the film), so that every step
// undoes to a list that was really there.
void RememberFilmFrame();

// The stack the Edit menu follows.
QUndoStack &DrawingHistory();
void UndoDrawingChange();
void RedoDrawingChange();

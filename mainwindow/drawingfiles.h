#pragma once

// Rondel's own drawing files in the program: the drawing list since the
// last clear, with the colour mode, the next colour, the zoom and the
// primary colours' palette and position, opened and saved; the files
// opened or saved lately; and the last session, kept when the program ends.

#include "document/drawingfile.h"

#include <QStringList>

// The drawing as the program holds it now.
Drawing CurrentDrawing();

// Replaces the drawing list with the drawing's, takes its colour mode, next
// colour, zoom and palette, and replays the list on the canvas. The list is claimed
// whole before anything can yield; a running replay or film is handed over.
void ShowDrawing(const Drawing &drawing);

// Reads the file and shows its drawing, or says in the error window why it
// cannot; true when it was shown.
bool OpenDrawingFile(const QString &fileName);

// The name of the file the drawing came from, without its folder: the one
// last opened or saved, until the list is cleared or the last session
// reopened; empty when there is none.
QString DrawingFileName();
void SetDrawingFileName(const QString &fileName);

// The extension of Rondel's drawing files, which also names their kind for
// the file dialogs.
inline const QString DrawingExtension = "rondel";

// The files opened or saved lately, newest first, those that are gone left
// out; at most eight.
QStringList RecentDrawingFiles();
// Adds the file to them, and makes Save drawing as propose it.
void RememberDrawingFile(const QString &fileName);

// Where the drawing is kept when the program ends.
QString LastSessionFile();
// Keeps the drawing there, unless the list is empty; a failure is ignored,
// as the program is ending.
void KeepLastSession();

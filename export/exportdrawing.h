#pragma once

// A drawing written as a picture without any window, for the command line:
// as a Windows metafile, an SVG or a PNG picture by the name's extension,
// each written exactly as the menu command writes the same list from a
// canvas at its design size.

#include "document/drawingfile.h"

#include <QString>

// The extensions that name a picture format.
bool IsPictureName(const QString &fileName);

// Writes the drawing's records as the picture named; PNG pictures at scale
// times the canvas, at the drawing's zoom or else the start-up zoom. False,
// with the reason, when the file could not be written (then none is).
bool ExportDrawing(const QString &fileName, const Drawing &drawing, int scale, QString &reason);

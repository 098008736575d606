#pragma once

// A drawing written as a picture without any window, for the command line:
// as a Windows metafile, an SVG or a PNG picture, a GIF film or a PDF page
// by the name's extension, each written exactly as the menu command writes the same list
// from a canvas at its design size (a film in light lines).

#include "document/drawingfile.h"

#include <QPageSize>
#include <QString>
#include <optional>

// The extensions that name a picture format.
bool IsPictureName(const QString &fileName);

struct ExportSettings {
    int scale = 1;    // a PNG picture's size, in times the canvas
    double fps = 30;  // a film's frames per second
    std::optional<QPageSize::PageSizeId> paper; // a PDF's, the locale's when not given
    QString fileName; // the drawing's file, whose name a PDF's title carries
};

// Writes the drawing's records as the picture named; PNG pictures and films
// at the drawing's zoom or else the start-up zoom. False, with the reason,
// when the file could not be written (then none is).
bool ExportDrawing(const QString &fileName, const Drawing &drawing, ExportSettings settings, QString &reason);

#pragma once

// File -> Export as PNG: the drawings since the last clear drawn anew with
// smooth lines on white, centred and scaled as on the canvas, at the
// canvas's size or 2 or 4 times it.

#include "core/module1.h"

#include <QImage>
#include <span>

class SaveFile;

// The Click of the main panel's exportpng item.
void exportpng_Click();

// The records drawn at the size (shrunk to fit 8192 pixels a side) and
// zoom, encoded as PNG into the file; false with the reason.
bool WritePngPicture(SaveFile &file, std::span<const DrawingRecord> records, QSize size, double zoom, QString &reason);

// The records drawn into an image of the given size, which shows the
// canvas's square of user units at the given zoom, with lines lineWidth
// pixels wide.
QImage PngPicture(std::span<const DrawingRecord> records, QSize size, double zoom, double lineWidth);

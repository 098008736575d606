#pragma once

// File -> Export as SVG: the drawings since the last clear as an SVG
// picture for browsers, vector editors and pen plotters. Each drawing is
// one polyline through the canvas tracer's points, closing point included;
// the drawings of one colour form one Inkscape layer, as plotter software
// plots a layer per pen. The viewBox is a square in canvas units, centred
// as the canvas is, that holds every curve with a margin; a canvas unit is
// 0.1 mm on paper.

#include "core/module1.h"

#include <span>

class SaveFile;

// The Click of the main panel's exportsvg item.
void exportsvg_Click();

// Writes the records as an SVG picture with lines strokeWidth canvas units
// wide. False when the file failed, which names the reason, or with the
// reason when a drawing reaches too far or has a pen distance or start
// angle that is no number (then nothing is written).
bool WriteSvgPicture(SaveFile &file, std::span<const DrawingRecord> records, double strokeWidth, QString &reason);

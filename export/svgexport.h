#pragma once

// File -> Export as SVG: the drawings since the last clear as an SVG
// picture for browsers, vector editors and pen plotters. Each drawing is
// one polyline through the canvas tracer's points, closing point included;
// the drawings of one colour form one Inkscape layer, as plotter software
// plots a layer per pen. The viewBox is in canvas units and holds every
// curve with a margin; a canvas unit is 0.1 mm on paper.

#include "core/module1.h"

#include <span>

class QIODevice;

// The Click of the main panel's exportsvg item.
void exportsvg_Click();

// Writes the records as an SVG picture with lines strokeWidth canvas units
// wide; false when the device failed.
bool WriteSvgPicture(QIODevice &device, std::span<const DrawingRecord> records, double strokeWidth);

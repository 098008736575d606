#pragma once

// File -> Save as: the drawing list since the last clear as a Windows
// metafile. The command asks for the file name; SaveMetafile opens the
// recording, has every drawing written into it and closes it;
// PlotMetafileCurve writes one drawing as a pen, a move and a closed run of
// lines, the canvas tracer's curve in whole logical units. Nothing yields
// while a save runs.

#include <QString>
#include <cstdint>

// The Click of the main panel's saveas item.
void saveas_Click();
// Writes drawings 0 ... drawCount - 1 into the file metafileName.
void SaveMetafile();
// The same into any file, touching no window: false with the reason.
bool RecordMetafile(const QString &fileName, QString &reason);
void PlotMetafileCurve(std::int16_t index);

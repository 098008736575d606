#pragma once

// File -> Export as PDF: the drawings since the last clear as one page of
// vector paths, laid out as Print lays it out (see printpage.h), each curve
// one path through the same points as the SVG export's, in list order. The
// page is written by Rondel's own small writer: Qt's PDF engine formats
// every point with nine digits and compresses the page in one call that
// takes seconds for a long list, with no way to show progress or stop.

#include "core/module1.h"

#include <QPageSize>
#include <QString>
#include <functional>
#include <span>

class SaveFile;

// The Click of the main panel's exportpdf item.
void exportpdf_Click();

// Writes the records as a PDF page of the paper, with the title, asking
// goOn after each curve. False when the file failed, which names the
// reason, or with the reason, or with none when goOn said to stop.
bool WritePdfPicture(SaveFile &file, std::span<const DrawingRecord> records, const QPageSize &paper, const QString &title,
                     QString &reason, const std::function<bool(int done)> &goOn = {});

#pragma once

// File -> Export film as GIF: the drawing film as an animated GIF for
// sharing, one frame per drawing since the last clear, each exactly as the
// screen window shows it at its design size, looping for ever. Every frame
// holds the part that changed and a colour table of its own colours only,
// so nothing is lost.

#include <QString>
#include <functional>

class SaveFile;

// Why an empty list makes no film.
inline const QString NoFilmReason = QStringLiteral("there are no drawings to make a film of");

// The Click of the main panel's exportgif item.
void exportgif_Click();

// The GIF delay of frames paced the milliseconds apart: in hundredths of a
// second, halves upwards, and at least 2, since viewers slow shorter
// delays down to a tenth of a second.
int GifFrameDelay(double milliseconds);

// Writes the film of records 0 ... drawCount - 1 as the drawing animation
// draws it (zoomFactor, penWidth), each frame shown for the delay, asking
// goOn after each frame. False when the file failed, which names the
// reason, or with the reason, or with none when goOn said to stop.
bool WriteFilmGif(SaveFile &file, int delay, QString &reason, const std::function<bool(int done)> &goOn = {});

#pragma once

// What the picture exports share: the drawings since the last clear, the
// file dialog that asks where to write, and the file written whole or not
// at all, with a failure named in the error window.

#include "core/module1.h"

#include <QString>
#include <functional>
#include <span>

class CommonDialog;
class SaveFile;

// Records 0 ... drawCount - 1.
std::span<const DrawingRecord> DrawingsSinceClear();

// Asks for a file name with the dialog (the filter, and the extension
// added when none is typed, which also names the kind of file whose folder
// the dialog opens in), then writes the file with write, which returns
// false when it fails, with a reason unless the file names one, or with no
// reason at all when the user cancelled it. Cancel writes nothing. True
// when the file was written.
bool ExportPicture(CommonDialog &dialog, const QString &filter, const QString &extension,
                   const std::function<bool(SaveFile &file, QString &reason)> &write);

// Writes the file with write as ExportPicture does, without asking for its
// name.
bool SavePicture(const QString &name, const std::function<bool(SaveFile &file, QString &reason)> &write);

// False, with a message, while an earlier save still feeds a pipe whose
// reader is slow: the program stays usable then, but saves one at a time.
bool SaveCanStart();

// "could not save "<file>": <reason>" in the error window, a very long
// name shortened in its middle.
void ShowSaveFailure(const QString &fileName, const QString &reason);

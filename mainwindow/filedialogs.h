#pragma once

// Where the file dialogs open. Each kind of file (drawings, metafiles, SVG,
// PNG and GIF pictures, named by their extensions) has a dialog of its own.
// A dialog proposes the file last chosen in it in this run (for drawings,
// the one last opened or saved in any way), and otherwise the folder last
// used for its kind, which the program's settings keep from one run to the
// next.

#include <QSettings>

class CommonDialog;

// The program's settings: the recent drawings, the dialogs' folders and
// the remembered choices of the View menu.
QSettings ProgramSettings();

// The dialog's save or open box, opened where the dialog proposes; true
// when a name was chosen, whose folder is then the kind's.
bool AskToSave(CommonDialog &dialog, const QString &kind);
bool AskToOpen(CommonDialog &dialog, const QString &kind);

// Makes the dialog propose the file next, and its folder the kind's.
void ProposeFile(CommonDialog &dialog, const QString &kind, const QString &fileName);

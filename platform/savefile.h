#pragma once

// Files are saved complete or not at all: written beside their name under
// a temporary one and put in place only when everything reached the disk.

#include <QSaveFile>
#include <QString>

// Puts the written file in place; false, with the system's reason, when
// anything failed. A full disk or a quota can show only when the data goes
// to the disk, which QSaveFile::commit would not report.
bool commitSaveFile(QSaveFile &file, QString &reason);

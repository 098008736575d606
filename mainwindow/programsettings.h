#pragma once

// The program's settings file, kept between runs: the drawing files opened
// lately and the choices of the View menu that are remembered.

#include <QSettings>

inline QSettings ProgramSettings()
{
    return QSettings("rondel");
}

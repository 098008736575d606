#pragma once

// Rondel's command line:
//   rondel [FILE]                       starts, then opens FILE
//   rondel --export OUT FILE [--scale N | --fps N | --page a4|letter]
//                                       writes FILE's drawings as OUT and ends
// --help and --version print and end. Usage errors (an unknown or repeated
// option, a file name not valid in the system's encoding) end with status 2;
// a start that needs a display where the environment names none ends with
// status 1.

#include <QPageSize>
#include <QString>
#include <QStringList>
#include <optional>

struct CommandLine {
    QString file;
    QString exportTo;
    int scale = 1;
    double fps = 30;
    std::optional<QPageSize::PageSizeId> paper;
};

// False when the arguments ask only for text (help, the version, a usage
// error) or for an export, which need no display and show no window; read
// before the application object is made.
bool NeedsDisplay(int argc, char *argv[]);

// True when the environment names a display or a platform for the windows:
// without one, Qt would abort.
bool DisplayNamed();

// Prints "rondel: " and the message as a line on standard error.
void PrintError(const QString &message);

// The command line, or nothing after --help or --version have been printed
// or a usage error has been reported; status is then the exit status.
std::optional<CommandLine> ParseCommandLine(const QStringList &arguments, int &status);

// Runs an export: 0 when OUT was written, 1 with a one-line message on
// standard error when FILE was refused or OUT could not be written.
int RunExport(const CommandLine &line);

#include "commandline.h"

#include "export/exportdrawing.h"
#include "platform/savefile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>

namespace {
// The options, declared once.
struct Options {
    QCommandLineParser parser;
    // Not Qt's help option, which adds a --help-all for options this
    // program does not take.
    QCommandLineOption help{{"h", "help"}, "Displays help on the command line options."};
    QCommandLineOption version = parser.addVersionOption();
    QCommandLineOption exportTo{"export", "Writes FILE's drawings as OUT (.wmf, .svg, .png, a .gif film or a .pdf page) and ends.",
                                "OUT"};
    QCommandLineOption scale{"scale", "Makes a PNG picture N = 1, 2 or 4 times the canvas's size.", "N", "1"};
    QCommandLineOption fps{"fps", "Plays a GIF film at N frames per second.", "N", "30"};
    QCommandLineOption page{"page", "Puts a PDF page on A4 or Letter paper instead of the locale's.", "a4|letter"};

    // Each option, to be given once at most.
    const std::array<const QCommandLineOption *, 6> all{&help, &version, &exportTo, &scale, &fps, &page};

    Options()
    {
        parser.setApplicationDescription("Draws gear curves, families of them and their animations.");
        parser.addOption(help);
        parser.addOption(exportTo);
        parser.addOption(scale);
        parser.addOption(fps);
        parser.addOption(page);
        parser.addPositionalArgument("FILE", "A Rondel drawing (.rondel) to open, or to export.", "[FILE]");
    }
};


enum class Outcome { Run, Help, Version, UsageError };

struct Parsed {
    Outcome outcome = Outcome::Run;
    CommandLine line;
    QString error;
};

Parsed parse(Options &options, const QStringList &arguments)
{
    QCommandLineParser &parser = options.parser;
    const auto usageError = [](const QString &message) { return Parsed{Outcome::UsageError, {}, message}; };
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    const QStringList given = parser.optionNames();
    for (const QCommandLineOption *option : options.all) {
        const auto times = std::count_if(given.begin(), given.end(),
                                         [&](const QString &name) { return option->names().contains(name); });
        if (times > 1)
            return usageError(QString("--%1 is given more than once").arg(option->names().last()));
    }
    if (parser.isSet(options.help))
        return {Outcome::Help, {}, {}};
    if (parser.isSet(options.version))
        return {Outcome::Version, {}, {}};
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return usageError("only one FILE can be given");
    CommandLine line;
    line.file = files.value(0);
    line.exportTo = parser.value(options.exportTo);
    const QString scale = parser.value(options.scale);
    if (scale != "1" && scale != "2" && scale != "4")
        return usageError("--scale must be 1, 2 or 4");
    line.scale = scale.toInt();
    bool isNumber = false;
    line.fps = parser.value(options.fps).toDouble(&isNumber);
    if (!isNumber || !std::isfinite(line.fps) || line.fps <= 0)
        return usageError("--fps must be a number of frames per second above 0");
    if (parser.isSet(options.page)) {
        const QString page = parser.value(options.page).toLower();
        if (page != "a4" && page != "letter")
            return usageError("--page must be a4 or letter");
        line.paper = page == "a4" ? QPageSize::A4 : QPageSize::Letter;
    }
    // Bytes not valid in the system's encoding decode to the replacement
    // character: the text would name another file.
    for (const QString &name : {line.file, line.exportTo})
        if (!SaveFile::nameIsEncodable(name))
            return usageError(QString("\"%1\": %2").arg(name, UnencodableName));
    if (!parser.isSet(options.exportTo)) {
        if (parser.isSet(options.scale) || parser.isSet(options.fps) || parser.isSet(options.page))
            return usageError("--scale, --fps and --page go with --export");
        return {Outcome::Run, line, {}};
    }
    if (line.file.isEmpty())
        return usageError("--export needs the FILE to export");
    if (!IsPictureName(line.exportTo))
        return usageError("--export writes .wmf, .svg, .png, .gif or .pdf files");
    if (parser.isSet(options.scale) && !line.exportTo.endsWith(".png", Qt::CaseInsensitive))
        return usageError("--scale goes with a .png picture");
    if (parser.isSet(options.fps) && !line.exportTo.endsWith(".gif", Qt::CaseInsensitive))
        return usageError("--fps goes with a .gif film");
    if (parser.isSet(options.page) && !line.exportTo.endsWith(".pdf", Qt::CaseInsensitive))
        return usageError("--page goes with a .pdf page");
    return {Outcome::Run, line, {}};
}
} // namespace

void PrintError(const QString &message)
{
    std::fprintf(stderr, "rondel: %s\n", qPrintable(message));
}

bool NeedsDisplay(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    Options options;
    const Parsed parsed = parse(options, arguments);
    return parsed.outcome == Outcome::Run && parsed.line.exportTo.isEmpty();
}

bool DisplayNamed()
{
    for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (!qEnvironmentVariableIsEmpty(variable))
            return true;
    return false;
}

std::optional<CommandLine> ParseCommandLine(const QStringList &arguments, int &status)
{
    Options options;
    const Parsed parsed = parse(options, arguments);
    status = 0;
    switch (parsed.outcome) {
    case Outcome::Run:
        return parsed.line;
    case Outcome::Help:
        std::printf("%s", qPrintable(options.parser.helpText()));
        break;
    case Outcome::Version:
        std::printf("rondel %s\n", qPrintable(QCoreApplication::applicationVersion()));
        break;
    case Outcome::UsageError:
        PrintError(parsed.error + "\nTry 'rondel --help' for more.");
        status = 2;
        break;
    }
    return std::nullopt;
}

int RunExport(const CommandLine &line)
{
    QString reason;
    const std::optional<Drawing> drawing = ReadDrawingFile(line.file, reason, FileKinds::Any);
    if (!drawing) {
        PrintError(QString("could not open \"%1\": %2").arg(line.file, reason));
        return 1;
    }
    std::error_code error;
    if (std::filesystem::equivalent(QFile::encodeName(line.file).toStdString(),
                                   QFile::encodeName(line.exportTo).toStdString(), error)) {
        PrintError(QString("could not save \"%1\": it is the drawing being exported").arg(line.exportTo));
        return 1;
    }
    if (!ExportDrawing(line.exportTo, *drawing, {line.scale, line.fps, line.paper, line.file}, reason)) {
        PrintError(QString("could not save \"%1\": %2").arg(line.exportTo, reason));
        return 1;
    }
    return 0;
}

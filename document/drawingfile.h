#pragma once

// Rondel's drawing file (.rondel): a UTF-8 JSON document that holds the
// drawing list since the last clear, each record in the program's own units
// (canvas units and radians), so that a file read back gives the very list:
//
//   {"format": "rondel-drawing", "version": 1,
//    "drawings": [{"statRadius": 500, "rotRadius": 200, "penDistance": 200,
//                  "startAngle": -0.6457718232379019, "gearPosition": -100,
//                  "color": "#0000c0"}],
//    "colorMode": "primary", "nextColor": "#ff0000", "zoom": 0.25,
//    "palette": ["#000000", "#ff0000", "#008080", "#808000",
//                "#0000ff", "#00ff00", "#800080", "#ff8000"], "paletteIndex": 1}
//
// The colour mode, the next colour, the zoom, the palette of the primary
// colours (which clicks on the colour chip change) and the position in its
// cycle are optional, and keys a reader does not know are ignored, so that
// later versions can add more.
// Every double is written in its shortest form that reads back the same,
// bit for bit (a zero is written as 0, without a sign); a record's values
// that are not finite, which JSON cannot hold, as "Infinity", "-Infinity"
// and "NaN". A file is hostile
// until checked: anything the program could not have written is refused,
// with the first thing wrong, before anything changes.

#include "core/module1.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>
#include <vector>

enum class ColorMode { Primary, Random };

// The optional fields may be left out where a drawing is made in code.
struct Drawing {
    std::vector<DrawingRecord> records;
    std::optional<ColorMode> colorMode = std::nullopt;
    std::optional<Color> nextColor = std::nullopt;
    std::optional<double> zoom = std::nullopt;
    std::optional<std::array<Color, 8>> palette = std::nullopt;
    std::optional<std::int16_t> paletteIndex = std::nullopt;
};

// Larger files are refused unread.
inline constexpr qint64 LargestDrawingFile = 16 * 1024 * 1024;

QByteArray DrawingToJson(const Drawing &drawing);
// The drawing, or nothing with the first thing wrong in reason.
std::optional<Drawing> DrawingFromJson(const QByteArray &json, QString &reason);

// The windows never wait for a pipe's writer, and read regular files only;
// the command line reads pipes and devices too, as other tools do.
enum class FileKinds { RegularOnly, Any };

// The file read and checked: nothing, with the reason, when it cannot be
// read or is refused.
std::optional<Drawing> ReadDrawingFile(const QString &fileName, QString &reason,
                                       FileKinds kinds = FileKinds::RegularOnly);
// Written whole or not at all: false with the system's reason.
bool WriteDrawingFile(const QString &fileName, const Drawing &drawing, QString &reason);

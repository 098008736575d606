#include "drawingfile.h"

#include "platform/savefile.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {
const QString Format = "rondel-drawing";
constexpr int Version = 1;

// A record's keys, in the order the document keeps them.
constexpr QLatin1StringView ColorKey = "color"_L1;
constexpr QLatin1StringView GearPosition = "gearPosition"_L1;
constexpr QLatin1StringView PenDistance = "penDistance"_L1;
constexpr QLatin1StringView RotRadius = "rotRadius"_L1;
constexpr QLatin1StringView StartAngle = "startAngle"_L1;
constexpr QLatin1StringView StatRadius = "statRadius"_L1;

// "#rrggbb", in lower case.
QString colorName(Color color)
{
    const char digits[] = "0123456789abcdef";
    char name[7] = {'#'};
    const int channels[] = {redOf(color), greenOf(color), blueOf(color)};
    for (int i = 0; i < 3; ++i) {
        name[1 + 2 * i] = digits[channels[i] >> 4];
        name[2 + 2 * i] = digits[channels[i] & 15];
    }
    return QString::fromLatin1(name, 7);
}

// "#rrggbb" in either case, or nothing.
std::optional<Color> colorFromName(QStringView name)
{
    if (name.size() != 7 || name[0] != u'#')
        return std::nullopt;
    Color rgb = 0;
    for (const QChar c : name.mid(1)) {
        // ASCII digits only: QChar::isDigit takes every script's digits.
        const char16_t u = c.unicode();
        const int digit = u >= '0' && u <= '9'   ? u - '0'
                          : u >= 'a' && u <= 'f' ? u - 'a' + 10
                          : u >= 'A' && u <= 'F' ? u - 'A' + 10
                                                 : -1;
        if (digit < 0)
            return std::nullopt;
        rgb = rgb << 4 | Color(digit);
    }
    return RGB(int(rgb >> 16), int(rgb >> 8 & 0xFF), int(rgb & 0xFF));
}

// A file's text quoted in a message: short, and with no control characters,
// which would end or break the message's line.
QString quoted(QString text)
{
    constexpr int Longest = 40;
    if (text.size() > Longest)
        text = text.left(Longest - 1) + u'…';
    for (QChar &c : text)
        if (c.category() == QChar::Other_Control)
            c = QChar::ReplacementCharacter;
    return u'"' + text + u'"';
}

// A number in a message, in the shortest form that reads back the same.
QString numberText(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

// JSON has no infinities or NaN, which the program can make from absurd
// typed values: they are written as these texts, so that the list keeps
// every record it had.
const QString Infinity = "Infinity";
const QString MinusInfinity = "-Infinity";
const QString NotANumber = "NaN";

QJsonValue jsonNumber(double value)
{
    if (std::isnan(value))
        return NotANumber;
    if (std::isinf(value))
        return value > 0 ? Infinity : MinusInfinity;
    return value;
}

// Reads one object's fields, keeping the first thing wrong; those of a
// drawing name it by its number, counted from 1.
class Fields
{
public:
    Fields(const QJsonObject &object, int drawing, QString &reason)
        : m_object(object), m_drawing(drawing), m_reason(reason)
    {
    }

    bool ok() const { return m_reason.isEmpty(); }
    bool has(QLatin1StringView key) const { return m_object.contains(key); }

    double number(QLatin1StringView key)
    {
        const QJsonValue value = m_object.value(key);
        if (!present(key, value))
            return 0;
        if (!value.isDouble())
            return fail(key + " is not a number"), 0;
        // The parser refuses numbers beyond a double's range; this keeps
        // any other way in out too.
        if (!std::isfinite(value.toDouble()))
            return fail(key + " is not a finite number"), 0;
        return value.toDouble();
    }

    // A record's value, which may be one of the texts for what is not finite.
    double recordNumber(QLatin1StringView key)
    {
        const QJsonValue value = m_object.value(key);
        if (value.isString()) {
            const QString text = value.toString();
            if (text == Infinity || text == MinusInfinity || text == NotANumber)
                return text == NotANumber ? std::numeric_limits<double>::quiet_NaN()
                                          : text == Infinity ? std::numeric_limits<double>::infinity()
                                                             : -std::numeric_limits<double>::infinity();
        }
        return number(key);
    }

    std::int16_t whole16(QLatin1StringView key, std::int16_t low = std::numeric_limits<std::int16_t>::min(),
                         std::int16_t high = std::numeric_limits<std::int16_t>::max())
    {
        const double value = number(key);
        if (!ok())
            return 0;
        if (value != std::floor(value))
            return fail(QString("%1 %2 is not a whole number").arg(key, numberText(value))), 0;
        if (value < low || value > high)
            return fail(QString("%1 %2 is outside %3 to %4").arg(key, numberText(value)).arg(low).arg(high)), 0;
        return std::int16_t(value);
    }

    // A gear's radius as the panels make it: a slider's 10 to 120, times 5.
    // Any other ratio of the radii may never close, and would run every
    // export to the tracer's limit.
    double gearRadius(QLatin1StringView key)
    {
        const double value = number(key);
        if (ok() && !(value >= 50 && value <= 600 && std::fmod(value, 5) == 0))
            fail(QString("%1 %2 is not a multiple of 5 from 50 to 600").arg(key, numberText(value)));
        return value;
    }

    QString text(QLatin1StringView key)
    {
        const QJsonValue value = m_object.value(key);
        if (!present(key, value))
            return {};
        if (!value.isString())
            return fail(key + " is not a text"), QString();
        return value.toString();
    }

    Color color(QLatin1StringView key)
    {
        const QString name = text(key);
        return ok() ? colorNamed(key, name) : 0;
    }

    // Eight colours, each named as color() names one.
    std::array<Color, 8> palette(QLatin1StringView key)
    {
        std::array<Color, 8> colours{};
        const QJsonValue value = m_object.value(key);
        if (!value.isArray() || value.toArray().size() != 8)
            return fail(key + " is not a list of eight colours"), colours;
        const QJsonArray names = value.toArray();
        for (std::size_t i = 0; i < colours.size() && ok(); ++i) {
            const QString what = QString("%1 colour %2").arg(key).arg(i + 1);
            if (!names[qsizetype(i)].isString())
                fail(what + " is not a text");
            else
                colours[i] = colorNamed(what, names[qsizetype(i)].toString());
        }
        return colours;
    }

    void fail(const QString &what)
    {
        if (ok())
            m_reason = m_drawing == 0 ? what : QString("drawing %1: %2").arg(m_drawing).arg(what);
    }

private:
    Color colorNamed(const QString &what, const QString &name)
    {
        const std::optional<Color> color = colorFromName(name);
        if (!color)
            fail(QString("%1 %2 is not a colour in the form #rrggbb").arg(what, quoted(name)));
        return color.value_or(0);
    }

    bool present(QLatin1StringView key, const QJsonValue &value)
    {
        if (value.isUndefined())
            fail(key + " is missing");
        return ok();
    }

    const QJsonObject &m_object;
    int m_drawing;
    QString &m_reason;
};

DrawingRecord readRecord(const QJsonObject &object, int number, QString &reason)
{
    Fields fields(object, number, reason);
    DrawingRecord record;
    record.statRadius = fields.gearRadius(StatRadius);
    record.rotRadius = fields.gearRadius(RotRadius);
    record.penDistance = fields.recordNumber(PenDistance);
    record.startAngle = fields.recordNumber(StartAngle);
    record.gearPosition = fields.whole16(GearPosition);
    record.color = fields.color(ColorKey);
    return record;
}

// The optional keys, each checked when it is there.
void readOptions(Fields &fields, Drawing &drawing)
{
    if (fields.ok() && fields.has("colorMode"_L1)) {
        const QString mode = fields.text("colorMode"_L1);
        if (mode == "primary" || mode == "random")
            drawing.colorMode = mode == "primary" ? ColorMode::Primary : ColorMode::Random;
        else
            fields.fail(QString("colorMode %1 is neither \"primary\" nor \"random\"").arg(quoted(mode)));
    }
    if (fields.ok() && fields.has("nextColor"_L1))
        drawing.nextColor = fields.color("nextColor"_L1);
    if (fields.ok() && fields.has("zoom"_L1)) {
        const double zoom = fields.number("zoom"_L1);
        if (fields.ok() && !(zoom >= 1.0 / 32 && zoom <= 1))
            fields.fail(QString("zoom %1 is outside 0.03125 to 1").arg(numberText(zoom)));
        drawing.zoom = zoom;
    }
    if (fields.ok() && fields.has("palette"_L1))
        drawing.palette = fields.palette("palette"_L1);
    if (fields.ok() && fields.has("paletteIndex"_L1))
        drawing.paletteIndex = fields.whole16("paletteIndex"_L1, 0, 7);
}
} // namespace

QByteArray DrawingToJson(const Drawing &drawing)
{
    QJsonArray records;
    // Each record copies one with the keys in place and sets its values in
    // the keys' order: far cheaper than inserting the keys anew.
    const QJsonObject keys{{ColorKey, QString()}, {GearPosition, 0}, {PenDistance, 0},
                           {RotRadius, 0},        {StartAngle, 0},   {StatRadius, 0}};
    for (const DrawingRecord &record : drawing.records) {
        QJsonObject object = keys;
        auto value = object.begin();
        *value++ = colorName(record.color);
        *value++ = record.gearPosition;
        *value++ = jsonNumber(record.penDistance);
        *value++ = jsonNumber(record.rotRadius);
        *value++ = jsonNumber(record.startAngle);
        *value = jsonNumber(record.statRadius);
        records.append(object);
    }
    QJsonObject document{{"format", Format}, {"version", Version}, {"drawings", records}};
    if (drawing.colorMode)
        document.insert("colorMode", *drawing.colorMode == ColorMode::Primary ? "primary" : "random");
    if (drawing.nextColor)
        document.insert("nextColor", colorName(*drawing.nextColor));
    if (drawing.zoom)
        document.insert("zoom", *drawing.zoom);
    if (drawing.palette) {
        QJsonArray colours;
        for (const Color colour : *drawing.palette)
            colours.append(colorName(colour));
        document.insert("palette", colours);
    }
    if (drawing.paletteIndex)
        document.insert("paletteIndex", *drawing.paletteIndex);
    return QJsonDocument(document).toJson(QJsonDocument::Compact);
}

std::optional<Drawing> DrawingFromJson(const QByteArray &json, QString &reason)
{
    reason.clear();
    if (json.trimmed().isEmpty()) {
        reason = "it is empty";
        return std::nullopt;
    }
    // UTF-16 text holds zero bytes, which are valid UTF-8 but never JSON.
    if (!json.isValidUtf8() || json.contains('\0')) {
        reason = "it is not UTF-8 text";
        return std::nullopt;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        reason = QString("it is not JSON: %1 at character %2").arg(error.errorString()).arg(error.offset);
        return std::nullopt;
    }
    if (!document.isObject()) {
        reason = "it is not a Rondel drawing";
        return std::nullopt;
    }
    const QJsonObject object = document.object();
    Fields fields(object, 0, reason);
    const QString format = fields.text("format"_L1);
    if (fields.ok() && format != Format)
        fields.fail(QString("it is not a Rondel drawing (format %1)").arg(quoted(format)));
    const double version = fields.ok() ? fields.number("version"_L1) : 0;
    if (fields.ok() && (version != std::floor(version) || version < Version))
        fields.fail(QString("version %1 is not a version of the format").arg(numberText(version)));
    else if (fields.ok() && version > Version)
        fields.fail(QString("version %1 is newer than this Rondel reads (%2)").arg(numberText(version)).arg(Version));
    if (fields.ok() && !object.value("drawings").isArray())
        fields.fail(object.contains("drawings") ? "drawings is not a list" : "drawings is missing");
    Drawing drawing;
    if (fields.ok())
        readOptions(fields, drawing);
    if (!fields.ok())
        return std::nullopt;

    const QJsonArray records = object.value("drawings").toArray();
    if (records.size() > DrawingSlots) {
        reason = QString("it holds %1 drawings, more than the list's %2").arg(records.size()).arg(DrawingSlots);
        return std::nullopt;
    }
    drawing.records.reserve(std::size_t(records.size()));
    for (qsizetype i = 0; i < records.size(); ++i) {
        if (!records[i].isObject()) {
            reason = QString("drawing %1 is not a record").arg(i + 1);
            return std::nullopt;
        }
        drawing.records.push_back(readRecord(records[i].toObject(), int(i + 1), reason));
        if (!reason.isEmpty())
            return std::nullopt;
    }
    return drawing;
}

std::optional<Drawing> ReadDrawingFile(const QString &fileName, QString &reason, FileKinds kinds)
{
    if (!SaveFile::nameIsEncodable(fileName)) {
        reason = UnencodableName;
        return std::nullopt;
    }
    if (kinds == FileKinds::RegularOnly && SaveFile::holdsNoRegularFile(fileName)) {
        reason = "it is not a regular file";
        return std::nullopt;
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        reason = file.errorString();
        return std::nullopt;
    }
    // A file's size is known before reading; a pipe's is not, and reading
    // stops just past the largest.
    QByteArray json;
    if (!file.isSequential() && file.size() <= LargestDrawingFile)
        json = file.readAll();
    while (file.isSequential() && json.size() <= LargestDrawingFile && file.error() == QFileDevice::NoError) {
        const QByteArray block = file.read(1 << 16);
        if (block.isEmpty())
            break;
        json += block;
    }
    if (json.size() > LargestDrawingFile || file.size() > LargestDrawingFile) {
        reason = QString("it is larger than %1 MB").arg(LargestDrawingFile >> 20);
        return std::nullopt;
    }
    if (file.error() != QFileDevice::NoError) {
        reason = file.errorString();
        return std::nullopt;
    }
    return DrawingFromJson(json, reason);
}

bool WriteDrawingFile(const QString &fileName, const Drawing &drawing, QString &reason)
{
    SaveFile file(fileName);
    const QByteArray json = DrawingToJson(drawing);
    if (file.open() && file.write(json.constData(), json.size()) && file.commit())
        return true;
    file.cancel();
    reason = file.errorString();
    return false;
}

#include "drawingfile.h"

#include "platform/savefile.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace {
const QString Format = "rondel-drawing";
constexpr int Version = 1;

QString colorName(Color color)
{
    return toQColor(color).name();
}

std::optional<Color> colorFromName(const QString &name)
{
    static const QRegularExpression rrggbb("^#[0-9A-Fa-f]{6}$");
    if (!rrggbb.match(name).hasMatch())
        return std::nullopt;
    return fromQColor(QColor::fromString(name));
}

// Reads one object's fields, keeping the first thing wrong.
class Fields
{
public:
    Fields(const QJsonObject &object, QString where, QString &reason)
        : m_object(object), m_where(std::move(where)), m_reason(reason)
    {
    }

    bool ok() const { return m_reason.isEmpty(); }
    bool has(const QString &key) const { return m_object.contains(key); }

    double number(const QString &key)
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

    std::int16_t whole16(const QString &key)
    {
        const double value = number(key);
        if (!ok())
            return 0;
        if (value != std::floor(value))
            return fail(QString("%1 %2 is not a whole number").arg(key).arg(value)), 0;
        if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
            return fail(QString("%1 %2 is outside -32768 to 32767").arg(key).arg(value)), 0;
        return std::int16_t(value);
    }

    QString text(const QString &key)
    {
        const QJsonValue value = m_object.value(key);
        if (!present(key, value))
            return {};
        if (!value.isString())
            return fail(key + " is not a text"), QString();
        return value.toString();
    }

    Color color(const QString &key)
    {
        const QString name = text(key);
        if (!ok())
            return 0;
        const std::optional<Color> color = colorFromName(name);
        if (!color)
            fail(QString("%1 \"%2\" is not a colour in the form #rrggbb").arg(key, name));
        return color.value_or(0);
    }

    void fail(const QString &what)
    {
        if (ok())
            m_reason = m_where.isEmpty() ? what : m_where + ": " + what;
    }

private:
    bool present(const QString &key, const QJsonValue &value)
    {
        if (value.isUndefined())
            fail(key + " is missing");
        return ok();
    }

    const QJsonObject &m_object;
    QString m_where;
    QString &m_reason;
};

DrawingRecord readRecord(const QJsonObject &object, int number, QString &reason)
{
    Fields fields(object, QString("drawing %1").arg(number), reason);
    DrawingRecord record;
    record.statRadius = fields.number("statRadius");
    record.rotRadius = fields.number("rotRadius");
    record.penDistance = fields.number("penDistance");
    record.startAngle = fields.number("startAngle");
    record.gearPosition = fields.whole16("gearPosition");
    record.color = fields.color("color");
    return record;
}

// The optional keys, each checked when it is there.
void readOptions(Fields &fields, Drawing &drawing)
{
    if (fields.ok() && fields.has("colorMode")) {
        const QString mode = fields.text("colorMode");
        if (mode == "primary" || mode == "random")
            drawing.colorMode = mode == "primary" ? ColorMode::Primary : ColorMode::Random;
        else
            fields.fail(QString("colorMode \"%1\" is neither \"primary\" nor \"random\"").arg(mode));
    }
    if (fields.ok() && fields.has("nextColor"))
        drawing.nextColor = fields.color("nextColor");
    if (fields.ok() && fields.has("zoom")) {
        const double zoom = fields.number("zoom");
        if (fields.ok() && !(zoom >= 1.0 / 32 && zoom <= 1))
            fields.fail(QString("zoom %1 is outside 0.03125 to 1").arg(zoom));
        drawing.zoom = zoom;
    }
}
} // namespace

QByteArray DrawingToJson(const Drawing &drawing)
{
    QJsonArray records;
    for (const DrawingRecord &record : drawing.records) {
        records.append(QJsonObject{{"statRadius", record.statRadius},
                                   {"rotRadius", record.rotRadius},
                                   {"penDistance", record.penDistance},
                                   {"startAngle", record.startAngle},
                                   {"gearPosition", record.gearPosition},
                                   {"color", colorName(record.color)}});
    }
    QJsonObject document{{"format", Format}, {"version", Version}, {"drawings", records}};
    if (drawing.colorMode)
        document.insert("colorMode", *drawing.colorMode == ColorMode::Primary ? "primary" : "random");
    if (drawing.nextColor)
        document.insert("nextColor", colorName(*drawing.nextColor));
    if (drawing.zoom)
        document.insert("zoom", *drawing.zoom);
    return QJsonDocument(document).toJson();
}

std::optional<Drawing> DrawingFromJson(const QByteArray &json, QString &reason)
{
    reason.clear();
    if (json.trimmed().isEmpty()) {
        reason = "it is empty";
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
    Fields fields(object, QString(), reason);
    const QString format = fields.text("format");
    if (fields.ok() && format != Format)
        fields.fail(QString("it is not a Rondel drawing (format \"%1\")").arg(format));
    const double version = fields.ok() ? fields.number("version") : 0;
    if (fields.ok() && version > Version)
        fields.fail(QString("version %1 is newer than this Rondel reads (%2)").arg(version).arg(Version));
    else if (fields.ok() && version != Version)
        fields.fail(QString("version %1 is not a version of the format").arg(version));
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

std::optional<Drawing> ReadDrawingFile(const QString &fileName, QString &reason)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        reason = file.errorString();
        return std::nullopt;
    }
    // A pipe or a device has no size: reading stops just past the largest.
    const QByteArray json = file.read(LargestDrawingFile + 1);
    if (json.size() > LargestDrawingFile) {
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

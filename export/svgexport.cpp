#include "svgexport.h"

#include "core/curvetrace.h"
#include "mainwindow/mainpanel.h"
#include "picturefile.h"

#include <QHash>
#include <QXmlStreamWriter>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {
const QString SvgNamespace = "http://www.w3.org/2000/svg";
const QString InkscapeNamespace = "http://www.inkscape.org/namespaces/inkscape";

// Three decimals, without a minus sign on a zero.
void appendNumber(std::string &text, double value)
{
    double rounded = std::nearbyint(value * 1000) / 1000;
    if (rounded == 0)
        rounded = 0;
    char digits[64];
    const auto end = std::to_chars(digits, digits + sizeof digits, rounded, std::chars_format::fixed, 3).ptr;
    text.append(digits, end);
}

QString svgLength(double value)
{
    std::string text;
    appendNumber(text, value);
    return QString::fromStdString(text);
}

struct Bounds {
    double left = std::numeric_limits<double>::infinity();
    double top = left;
    double right = -left;
    double bottom = -left;
    void add(double x, double y)
    {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    }
};

// The points of a record as the canvas tracer computes them.
std::string pointsOf(const DrawingRecord &record)
{
    std::string points;
    const auto add = [&](double x, double y) {
        if (!points.empty())
            points += ' ';
        appendNumber(points, x);
        points += ',';
        appendNumber(points, y);
    };
    TraceCurve(record, add, add);
    return points;
}
} // namespace

void exportsvg_Click()
{
    ExportPicture(Form1->svgDialog, "SVG pictures (*.svg)|*.svg|all files (*.*)|*.*", "svg",
                  [](QIODevice &file, QString &) { return WriteSvgPicture(file, DrawingsSinceClear(), 1); });
}

bool WriteSvgPicture(QIODevice &device, std::span<const DrawingRecord> records, double strokeWidth)
{
    // The viewBox comes first, so the curves are traced twice: once for
    // their bounds, once for their points.
    Bounds bounds;
    for (const DrawingRecord &record : records) {
        if (CanTraceCurve(record))
            TraceCurve(record, [&](double x, double y) { bounds.add(x, y); }, [&](double x, double y) { bounds.add(x, y); });
    }
    if (bounds.left > bounds.right)
        bounds = {-500, -500, 500, 500};
    const double margin = 0.02 * std::max(bounds.right - bounds.left, bounds.bottom - bounds.top) + strokeWidth;
    const double left = bounds.left - margin, top = bounds.top - margin;
    const double width = bounds.right - bounds.left + 2 * margin, height = bounds.bottom - bounds.top + 2 * margin;

    // One layer per colour, in the order the colours first appear; each
    // holds its drawings in list order.
    QHash<Color, std::size_t> layerOf;
    std::vector<std::vector<const DrawingRecord *>> layers;
    for (const DrawingRecord &record : records) {
        if (!CanTraceCurve(record))
            continue;
        const auto found = layerOf.constFind(record.color);
        if (found == layerOf.constEnd()) {
            layerOf.insert(record.color, layers.size());
            layers.push_back({&record});
        } else {
            layers[*found].push_back(&record);
        }
    }

    QXmlStreamWriter xml(&device);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeDefaultNamespace(SvgNamespace);
    xml.writeNamespace(InkscapeNamespace, "inkscape");
    xml.writeStartElement(SvgNamespace, "svg");
    xml.writeAttribute("version", "1.1");
    // A canvas unit is a tenth of a millimetre.
    xml.writeAttribute("width", svgLength(width / 10) + "mm");
    xml.writeAttribute("height", svgLength(height / 10) + "mm");
    xml.writeAttribute("viewBox", QString("%1 %2 %3 %4").arg(svgLength(left), svgLength(top), svgLength(width), svgLength(height)));
    for (const auto &layer : layers) {
        const QString colour = toQColor(layer.front()->color).name();
        xml.writeStartElement(SvgNamespace, "g");
        xml.writeAttribute("id", "layer" + colour.mid(1));
        xml.writeAttribute(InkscapeNamespace, "groupmode", "layer");
        xml.writeAttribute(InkscapeNamespace, "label", colour);
        for (const DrawingRecord *record : layer) {
            xml.writeEmptyElement(SvgNamespace, "polyline");
            xml.writeAttribute("points", QLatin1StringView(pointsOf(*record)));
            xml.writeAttribute("fill", "none");
            xml.writeAttribute("stroke", colour);
            xml.writeAttribute("stroke-width", svgLength(strokeWidth));
        }
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    return !xml.hasError();
}

#include "svgexport.h"

#include "core/curvetrace.h"
#include "mainwindow/mainpanel.h"
#include "picturefile.h"
#include "platform/savefile.h"

#include <QHash>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

namespace {
// Farther from the centre than this (100 km on paper) a drawing is
// refused: plotters and viewers would lose it, and every number written
// keeps three exact decimals within it.
constexpr double LargestReach = 1e9;
// Points in one polyline: about 3 MB of text at the most.
constexpr int LongestPolyline = 100000;

// The picture's text, passed on to the device in large blocks, so that the
// memory it takes does not grow with the drawing.
class SvgText
{
public:
    explicit SvgText(SaveFile &file) : m_file(file) { m_text.reserve(Block + 4096); }

    SvgText &operator<<(std::string_view text)
    {
        m_text.append(text);
        return *this;
    }

    // Three decimals, without a minus sign on a zero; |value| stays within
    // LargestReach and a margin.
    SvgText &operator<<(double value)
    {
        auto thousandths = std::int64_t(std::nearbyint(value * 1000));
        if (thousandths < 0) {
            m_text += '-';
            thousandths = -thousandths;
        }
        char digits[24];
        char *const end = digits + sizeof digits;
        char *first = end;
        for (int place = 0; place < 3; ++place, thousandths /= 10)
            *--first = char('0' + thousandths % 10);
        *--first = '.';
        do {
            *--first = char('0' + thousandths % 10);
            thousandths /= 10;
        } while (thousandths != 0);
        m_text.append(first, end);
        return *this;
    }

    void passOnWhenFull()
    {
        if (m_text.size() >= Block)
            passOn();
    }
    // False when the file failed; it names the reason.
    bool passOn()
    {
        if (m_ok)
            m_ok = m_file.write(m_text.data(), qint64(m_text.size()));
        m_text.clear();
        return m_ok;
    }
    bool ok() const { return m_ok; }

private:
    static constexpr std::size_t Block = 1 << 16;
    SaveFile &m_file;
    std::string m_text;
    bool m_ok = true;
};

// The records of each colour in list order, the colours in the order they
// first appear: each record links to the next of its colour.
struct Layers {
    std::vector<std::size_t> firsts;
    std::vector<std::size_t> next;
    static constexpr std::size_t End = std::size_t(-1);

    explicit Layers(std::span<const DrawingRecord> records) : next(records.size(), End)
    {
        QHash<Color, std::size_t> lastOfColour;
        for (std::size_t i = 0; i < records.size(); ++i) {
            if (!CanTraceCurve(records[i]))
                continue;
            const auto last = lastOfColour.find(records[i].color);
            if (last == lastOfColour.end()) {
                firsts.push_back(i);
                lastOfColour.insert(records[i].color, i);
            } else {
                next[*last] = i;
                *last = i;
            }
        }
    }
};
} // namespace

void exportsvg_Click()
{
    ExportPicture(Form1->svgDialog, "SVG pictures (*.svg)|*.svg|all files (*.*)|*.*", "svg",
                  [](SaveFile &file, QString &reason) { return WriteSvgPicture(file, DrawingsSinceClear(), 1, reason); });
}

bool WriteSvgPicture(SaveFile &file, std::span<const DrawingRecord> records, double strokeWidth, QString &reason)
{
    // Every curve lies within its reach of the centre: the viewBox, which
    // comes first, is known before anything is traced, and each curve is
    // traced once.
    double reach = 0;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (!CanTraceCurve(records[i]))
            continue;
        // Absurd typed values can make what the picture has no numbers for.
        const double curveReach = CurveReach(records[i]);
        const char *const fault = std::isnan(records[i].penDistance)    ? "has a pen distance that is not a number"
                                  : !std::isfinite(records[i].startAngle) ? "has a start angle that is not a finite number"
                                  : !(curveReach <= LargestReach)        ? "is too large for an SVG picture"
                                                                         : nullptr;
        if (fault) {
            reason = QString("drawing %1 %2").arg(i + 1).arg(fault);
            return false;
        }
        reach = std::max(reach, curveReach);
    }
    if (reach == 0)
        reach = 500;
    const double half = reach + 0.04 * reach + strokeWidth;

    SvgText svg(file);
    svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\" "
           "version=\"1.1\"";
    // A canvas unit is a tenth of a millimetre.
    svg << " width=\"" << 2 * half / 10 << "mm\" height=\"" << 2 * half / 10 << "mm\"";
    svg << " viewBox=\"" << -half << " " << -half << " " << 2 * half << " " << 2 * half << "\">\n";
    const Layers layers(records);
    for (const std::size_t first : layers.firsts) {
        const std::string colour = toQColor(records[first].color).name().toStdString();
        svg << "    <g id=\"layer" << std::string_view(colour).substr(1) << "\" inkscape:groupmode=\"layer\" inkscape:label=\"" << colour
            << "\">\n";
        const auto open = [&] { svg << "        <polyline points=\""; };
        const auto close = [&] {
            svg << "\" fill=\"none\" stroke=\"" << colour << "\" stroke-width=\"" << strokeWidth << "\"/>\n";
        };
        for (std::size_t i = first; i != Layers::End && svg.ok(); i = layers.next[i]) {
            open();
            int points = 0;
            double lastX = 0, lastY = 0;
            const auto add = [&](double x, double y) {
                // A curve that never closes runs to a million points; XML
                // readers refuse an attribute of more than 10 MB, so such a
                // curve goes on in another polyline from its last point.
                if (points == LongestPolyline) {
                    close();
                    open();
                    svg << lastX << "," << lastY;
                    points = 1;
                }
                if (points++ > 0)
                    svg << " ";
                svg << x << "," << y;
                lastX = x;
                lastY = y;
                svg.passOnWhenFull();
            };
            TraceCurve(records[i], add, add);
            close();
        }
        svg << "    </g>\n";
    }
    svg << "</svg>\n";
    return svg.passOn();
}

#include "gifexport.h"

#include "gifcode.h"

#include "animation/animation.h"
#include "animation/frame.h"
#include "animation/screenwindow.h"
#include "core/longloop.h"
#include "core/module1.h"
#include "generator/generatorpanel.h"
#include "infowindows/errorwindow.h"
#include "mainwindow/mainpanel.h"
#include "picturefile.h"
#include "platform/numbers.h"
#include "platform/progressdialog.h"
#include "platform/savefile.h"
#include "platform/twips.h"

#include <algorithm>
#include <array>
#include <gif_lib.h>
#include <vector>

namespace {
constexpr int Side = twipsToPixels(ScreenDesignSize);
// Films run at this rate until one is chosen on the generator panel.
constexpr double UnchosenFrameDelay = 1000.0 / 30;

// Once a write has failed, the file fails every later one.
int writeToFile(GifFileType *gif, const GifByteType *data, int size)
{
    auto &file = *static_cast<SaveFile *>(gif->UserData);
    return file.write(reinterpret_cast<const char *>(data), size) ? size : 0;
}

// One frame as colour-table indices, with the table.
class IndexedFrame
{
public:
    // The part of the picture; false when it holds more colours than a
    // table takes.
    bool index(const QImage &picture, QRect part)
    {
        m_colors.clear();
        m_pixels.resize(std::size_t(part.width()) * std::size_t(part.height()));
        GifPixelType *out = m_pixels.data();
        // Runs of one colour are the rule: only a run's first pixel looks
        // the table up.
        for (int y = part.top(); y <= part.bottom(); ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
            for (int x = part.left(); x <= part.right();) {
                const QRgb pixel = line[x];
                const std::optional<GifPixelType> found = colorIndex(pixel | 0xFF000000);
                if (!found)
                    return false;
                const int start = x;
                while (++x <= part.right() && line[x] == pixel) {
                }
                out = std::fill_n(out, x - start, *found);
            }
        }
        return true;
    }

    // The table, padded to the power of two a GIF table needs.
    ColorMapObject table()
    {
        const int count = int(m_colors.size());
        int bits = 1;
        while ((1 << bits) < count)
            ++bits;
        for (int i = count; i < (1 << bits); ++i)
            m_table[std::size_t(i)] = GifColorType{0, 0, 0};
        return ColorMapObject{1 << bits, bits, false, m_table.data()};
    }

    GifPixelType *pixels() { return m_pixels.data(); }

private:
    std::optional<GifPixelType> colorIndex(QRgb pixel)
    {
        for (std::size_t i = 0; i < m_colors.size(); ++i)
            if (m_colors[i] == pixel)
                return GifPixelType(i);
        if (m_colors.size() == m_table.size())
            return std::nullopt;
        m_table[m_colors.size()] = GifColorType{GifByteType(qRed(pixel)), GifByteType(qGreen(pixel)),
                                                GifByteType(qBlue(pixel))};
        m_colors.push_back(pixel);
        return GifPixelType(m_colors.size() - 1);
    }

    std::vector<QRgb> m_colors;
    std::array<GifColorType, 256> m_table{};
    std::vector<GifPixelType> m_pixels;
};

// The frame of the record as the screen window shows it.
void drawFrame(QImage &picture, std::int16_t index)
{
    TraceDrawingFrame(index);
    MapFramePoints({float(Side), float(Side)});
    picture.fill(Qt::black);
    // The screen window draws its frames with sharp lines whatever the
    // canvas does.
    PaintPolyline(picture, FramePen(index), false, framePoints.data(), lastFramePoint + 1);
}

// The smallest rectangle outside which the frame is the one before it: a
// viewer draws each frame over the last, and LZW compression takes most of
// the time per pixel. A single pixel when nothing changed, as a frame needs
// one.
QRect changedPart(const QImage &before, const QImage &after)
{
    if (before.isNull())
        return after.rect();
    const int width = after.width();
    int top = -1, bottom = -1, left = width, right = -1;
    for (int y = 0; y < after.height(); ++y) {
        const auto *was = reinterpret_cast<const QRgb *>(before.constScanLine(y));
        const auto *is = reinterpret_cast<const QRgb *>(after.constScanLine(y));
        if (std::equal(is, is + width, was))
            continue;
        top = top < 0 ? y : top;
        bottom = y;
        left = int(std::mismatch(is, is + left, was).first - is);
        for (int x = width - 1; x > right; --x)
            if (is[x] != was[x]) {
                right = x;
                break;
            }
    }
    return top < 0 ? QRect(0, 0, 1, 1) : QRect(QPoint(left, top), QPoint(right, bottom));
}

bool putLooping(GifFileType *gif)
{
    // The Netscape extension with a loop count of 0: for ever.
    static const GifByteType application[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
    static const GifByteType loops[] = {1, 0, 0};
    return EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
           EGifPutExtensionBlock(gif, sizeof application, application) == GIF_OK &&
           EGifPutExtensionBlock(gif, sizeof loops, loops) == GIF_OK && EGifPutExtensionTrailer(gif) == GIF_OK;
}

bool putFrame(GifFileType *gif, IndexedFrame &frame, QRect part, int delay, GifCode &code)
{
    const GraphicsControlBlock control{DISPOSE_DO_NOT, false, delay, NO_TRANSPARENT_COLOR};
    GifByteType extension[4];
    const ColorMapObject table = frame.table();
    const std::size_t size = std::size_t(part.width()) * std::size_t(part.height());
    return EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(EGifGCBToExtension(&control, extension)), extension) ==
               GIF_OK &&
           EGifPutImageDesc(gif, part.left(), part.top(), part.width(), part.height(), false, &table) == GIF_OK &&
           PutGifCode(gif, code.blocks({frame.pixels(), size}, table.BitsPerPixel));
}

bool writeFrames(GifFileType *gif, int delay, QString &reason, const std::function<bool(int done)> &goOn)
{
    EGifSetGifVersion(gif, true);
    if (EGifPutScreenDesc(gif, Side, Side, 8, 0, nullptr) != GIF_OK || !putLooping(gif))
        return false;
    QImage picture(Side, Side, QImage::Format_RGB32), before;
    IndexedFrame frame;
    GifCode code;
    // Read once, as the film reads it.
    const int frames = drawCount;
    for (int i = 0; i < frames; ++i) {
        drawFrame(picture, std::int16_t(i));
        const QRect part = changedPart(before, picture);
        if (!frame.index(picture, part)) {
            reason = QString("frame %1 has more than 256 colours").arg(i + 1);
            return false;
        }
        if (!putFrame(gif, frame, part, delay, code) || (goOn && !goOn(i + 1)))
            return false;
        std::swap(before, picture);
        if (picture.isNull())
            picture = QImage(Side, Side, QImage::Format_RGB32);
    }
    return true;
}

// The frame delay the film runs at, once a rate has been chosen: films keep
// it after the generator panel is closed. Rates above 1000 a second leave
// it 0 but set the panel's meter.
double filmFrameDelay()
{
    GeneratorPanel *panel = genbox.loaded();
    const bool chosen = frameDelay != 0 || (panel && panel->meter.surface().hasUserScale());
    return chosen ? frameDelay : UnchosenFrameDelay;
}
} // namespace

int GifFrameDelay(double milliseconds)
{
    return std::clamp(nearestWithin<int>(std::floor(milliseconds / 10 + 0.5)), 2, 0xFFFF);
}

bool WriteFilmGif(SaveFile &file, int delay, QString &reason, const std::function<bool(int done)> &goOn)
{
    int error = 0;
    GifFileType *gif = EGifOpen(&file, &writeToFile, &error);
    if (!gif) {
        reason = GifErrorString(error);
        return false;
    }
    bool written = writeFrames(gif, delay, reason, goOn);
    if (!written && reason.isEmpty() && file.errorString().isEmpty() && gif->Error != E_GIF_SUCCEEDED)
        reason = GifErrorString(gif->Error);
    // The close writes the trailer, and reports no failure to write it.
    if (EGifCloseFile(gif, &error) != GIF_OK && written) {
        reason = GifErrorString(error);
        written = false;
    }
    return written && file.errorString().isEmpty();
}

void exportgif_Click()
{
    if (drawCount == 0) {
        ShowError(NoFilmReason);
        return;
    }
    // A replay or film asked for while the film is written starts after it.
    const LongLoopsHeld held;
    ExportPicture(Form1->gifDialog, "GIF pictures (*.gif)|*.gif|all files (*.*)|*.*", "gif",
                  [](SaveFile &file, QString &reason) {
                      ProgressDialog progress(*Form1, "Export film as GIF", drawCount);
                      return WriteFilmGif(file, GifFrameDelay(filmFrameDelay()), reason,
                                          [&](int done) { return progress.advance(done); });
                  });
}

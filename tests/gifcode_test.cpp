#include "export/gifcode.h"

#include <QByteArray>
#include <gtest/gtest.h>
#include <cmath>
#include <random>

namespace {

int appendTo(GifFileType *gif, const GifByteType *data, int size)
{
    static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(data), size);
    return size;
}

// A one-image GIF of the pixels, coded by giflib or by GifCode.
QByteArray gifOf(std::vector<std::uint8_t> pixels, int width, int colorBits, bool ours)
{
    QByteArray bytes;
    int error = 0;
    GifFileType *gif = EGifOpen(&bytes, &appendTo, &error);
    std::vector<GifColorType> colors(std::size_t(1) << colorBits);
    ColorMapObject table{int(colors.size()), colorBits, false, colors.data()};
    const int height = int(pixels.size()) / width;
    bool written = EGifPutScreenDesc(gif, width, height, 8, 0, nullptr) == GIF_OK &&
                   EGifPutImageDesc(gif, 0, 0, width, height, false, &table) == GIF_OK;
    GifCode code;
    written = written && (ours ? PutGifCode(gif, code.blocks(pixels, colorBits))
                               : EGifPutLine(gif, pixels.data(), int(pixels.size())) == GIF_OK);
    EXPECT_TRUE(EGifCloseFile(gif, &error) == GIF_OK && written) << GifErrorString(error);
    return bytes;
}

std::vector<std::uint8_t> randomPixels(std::size_t count, int colorBits)
{
    std::mt19937 random(7);
    std::vector<std::uint8_t> pixels(count);
    for (auto &pixel : pixels)
        pixel = std::uint8_t(random() >> (32 - colorBits));
    return pixels;
}

// Runs of three colours, each longer than the one before, as in a frame.
std::vector<std::uint8_t> runs(std::size_t count)
{
    std::vector<std::uint8_t> pixels(count);
    for (std::size_t i = 0; i < count; ++i)
        pixels[i] = std::uint8_t(std::size_t(std::sqrt(double(i))) % 3);
    return pixels;
}

struct Image {
    const char *name;
    std::vector<std::uint8_t> pixels;
    int width;
    int colorBits;
};

// giflib's decoders know only what its coder writes: the same bytes, also
// where the table fills and starts over, and across sub-blocks and widths.
TEST(GifCode, WritesWhatGiflibWrites)
{
    const Image images[] = {
        {"one pixel", {1}, 1, 1},
        {"runs", runs(160000), 400, 2},
        {"noise of 4 colours, the table full many times", randomPixels(90000, 2), 300, 2},
        {"noise of 8 colours", randomPixels(20000, 3), 200, 3},
        {"noise of 256 colours", randomPixels(70000, 8), 350, 8},
        {"one colour, a million pixels", std::vector<std::uint8_t>(1000000, 0), 1000, 1},
    };
    for (const Image &image : images)
        EXPECT_EQ(gifOf(image.pixels, image.width, image.colorBits, true),
                  gifOf(image.pixels, image.width, image.colorBits, false))
            << image.name;
}

// One coder serves a film's frames, whatever came before.
TEST(GifCode, CodesEachImageAfresh)
{
    GifCode code;
    const std::vector<std::uint8_t> noise = randomPixels(9000, 8), frame = runs(10000);
    const std::vector<std::uint8_t> alone = code.blocks(frame, 2);
    code.blocks(noise, 8);
    EXPECT_EQ(code.blocks(frame, 2), alone);
    code.blocks(randomPixels(9000, 1), 1);
    EXPECT_EQ(code.blocks(frame, 2), alone);
}

} // namespace

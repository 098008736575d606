#include "export/gifcode.h"

#include <QByteArray>
#include <gtest/gtest.h>
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

// A ring on black, as a film's frames are: long runs.
std::vector<std::uint8_t> ring(int side)
{
    std::vector<std::uint8_t> pixels(std::size_t(side) * std::size_t(side));
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const int r2 = (x - side / 2) * (x - side / 2) + (y - side / 2) * (y - side / 2);
            pixels[std::size_t(y * side + x)] = std::abs(r2 - side * side / 9) < side ? 1 : 0;
        }
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
        {"a ring, two colours", ring(400), 400, 1},
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
    const std::vector<std::uint8_t> noise = randomPixels(9000, 8), frame = ring(100);
    const std::vector<std::uint8_t> alone = code.blocks(frame, 1);
    code.blocks(noise, 8);
    EXPECT_EQ(code.blocks(frame, 1), alone);
    code.blocks(randomPixels(9000, 1), 1);
    EXPECT_EQ(code.blocks(frame, 1), alone);
}

} // namespace

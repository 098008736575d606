#pragma once

// The LZW code of a GIF image's pixels, as the data sub-blocks that follow
// its image descriptor. giflib's own coder looks every pixel up in a hash
// table and takes most of a film's export time; this one indexes a plain
// table by code and pixel, takes runs of one colour whole, and writes the
// very same bytes.

#include <cstdint>
#include <gif_lib.h>
#include <span>
#include <vector>

class GifCode
{
public:
    // Codes the pixels, each below 2^colorBits (1 to 8), into sub-blocks of
    // a length byte and up to 255 bytes each, without the empty block that
    // ends them.
    const std::vector<std::uint8_t> &blocks(std::span<const std::uint8_t> pixels, int colorBits);

private:
    void putPixels(std::span<const std::uint8_t> pixels, int mask);
    void clearTable();
    std::size_t runIndex(int color, int length) const { return (std::size_t(color) << 12) + std::size_t(length); }
    void put(int code);
    void putByte(std::uint8_t byte);

    int m_rootBits = 2;
    std::vector<std::uint16_t> m_next; // code and pixel -> the longer code; 0: none yet
    std::vector<std::uint16_t> m_runCode; // colour and length -> the code of that run
    std::vector<int> m_longestRun; // colour -> the longest run with a code
    int m_nextCode = 0;
    int m_bits = 0;
    std::uint32_t m_pending = 0; // bits not yet whole bytes, lowest first
    int m_pendingBits = 0;
    std::vector<std::uint8_t> m_blocks;
    std::size_t m_blockStart = 0;
};

// Writes the blocks as the image data after the image descriptor giflib
// has just written, with the empty block that ends them.
bool PutGifCode(GifFileType *gif, const std::vector<std::uint8_t> &blocks);

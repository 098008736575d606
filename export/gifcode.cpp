#include "gifcode.h"

#include <algorithm>

namespace {
// GIF's codes have at most 12 bits; a coder whose table reaches the last of
// them starts over with a clear code.
constexpr int CodeLimit = 4095;
} // namespace

const std::vector<std::uint8_t> &GifCode::blocks(std::span<const std::uint8_t> pixels, int colorBits)
{
    // The codes start one bit wider than the pixels, and at 3 bits at least.
    const int rootBits = std::clamp(colorBits, 2, 8);
    if (rootBits != m_rootBits || m_next.empty()) {
        m_rootBits = rootBits;
        m_next.assign(std::size_t(CodeLimit + 1) << rootBits, 0);
        m_runCode.assign(std::size_t(CodeLimit + 1) << rootBits, 0);
        m_longestRun.assign(std::size_t(1) << rootBits, 0);
        m_nextCode = 0;
    }
    m_blocks.clear();
    m_blockStart = 0;
    m_pending = 0;
    m_pendingBits = 0;
    clearTable();

    const int clear = 1 << m_rootBits;
    // A pixel out of range would index past the tables.
    const int mask = clear - 1;
    put(clear);
    if (!pixels.empty())
        putPixels(pixels, mask);
    put(clear + 1);
    if (m_pendingBits > 0)
        putByte(std::uint8_t(m_pending));
    return m_blocks;
}

void GifCode::putPixels(std::span<const std::uint8_t> pixels, int mask)
{
    // The prefix is a run of runLength pixels of runColor, or none (0).
    int prefix = pixels[0] & mask;
    int runColor = prefix;
    int runLength = 1;
    for (std::size_t i = 1; i < pixels.size();) {
        const int pixel = pixels[i] & mask;
        const bool runGoesOn = runLength > 0 && pixel == runColor;
        const int longestRun = m_longestRun[std::size_t(pixel)];
        if (runGoesOn && longestRun > runLength) {
            // Frames are mostly runs: take as much of one as the table has a
            // code for at once, where a pixel at a time would look each up.
            const std::size_t end = std::min(pixels.size(), i + std::size_t(longestRun - runLength));
            std::size_t stop = i + 1;
            while (stop < end && (pixels[stop] & mask) == pixel)
                ++stop;
            runLength += int(stop - i);
            prefix = m_runCode[runIndex(pixel, runLength)];
            i = stop;
            continue;
        }
        std::uint16_t &longer = m_next[(std::size_t(prefix) << m_rootBits) + std::size_t(pixel)];
        ++i;
        if (longer != 0) {
            prefix = longer;
            runLength = 0;
            continue;
        }
        put(prefix);
        if (m_nextCode >= CodeLimit) {
            put(1 << m_rootBits);
            clearTable();
        } else {
            if (runGoesOn) {
                m_runCode[runIndex(pixel, runLength + 1)] = std::uint16_t(m_nextCode);
                m_longestRun[std::size_t(pixel)] = runLength + 1;
            }
            longer = std::uint16_t(m_nextCode++);
        }
        prefix = runColor = pixel;
        runLength = 1;
    }
    put(prefix);
}

// Only the codes made since the last clear have entries to forget; each
// colour is a run of one.
void GifCode::clearTable()
{
    const std::size_t used = std::size_t(std::max(m_nextCode, 0)) << m_rootBits;
    std::fill_n(m_next.begin(), std::min(used, m_next.size()), 0);
    std::fill(m_longestRun.begin(), m_longestRun.end(), 1);
    m_bits = m_rootBits + 1;
    m_nextCode = (1 << m_rootBits) + 2;
}

// Codes go out lowest bit first; the next one is a bit wider once the code
// it would make no longer fits, as decoders widen theirs.
void GifCode::put(int code)
{
    m_pending |= std::uint32_t(code) << m_pendingBits;
    m_pendingBits += m_bits;
    for (; m_pendingBits >= 8; m_pendingBits -= 8) {
        putByte(std::uint8_t(m_pending));
        m_pending >>= 8;
    }
    if (m_nextCode >= (1 << m_bits))
        ++m_bits;
}

void GifCode::putByte(std::uint8_t byte)
{
    if (m_blocks.size() == m_blockStart || m_blocks[m_blockStart] == 255) {
        m_blockStart = m_blocks.size();
        m_blocks.push_back(0);
    }
    ++m_blocks[m_blockStart];
    m_blocks.push_back(byte);
}

bool PutGifCode(GifFileType *gif, const std::vector<std::uint8_t> &blocks)
{
    // giflib has written the code size with the descriptor, and wants
    // none again.
    for (std::size_t at = 0; at < blocks.size(); at += blocks[at] + 1u) {
        const GifByteType *block = &blocks[at];
        if ((at == 0 ? EGifPutCode(gif, 0, block) : EGifPutCodeNext(gif, block)) != GIF_OK)
            return false;
    }
    return EGifPutCodeNext(gif, nullptr) == GIF_OK;
}

#pragma once

// A Windows metafile recorded straight into a file, as the graphics
// interface records one: solid pens, their selection, moves and lines, in
// the standard format without placeable header.
//
// Records stream through a fixed buffer, so memory stays the same whatever
// the size of the drawing; the header, which counts the whole file, is
// written when the recording closes. Until then the file is a temporary
// one (platform/savefile.h): it takes its place only once it is complete,
// and a recording that fails or is never closed leaves nothing behind. After the first failure every call does nothing, and close()
// reports it.

#include "color.h"

#include "savefile.h"

#include <QString>
#include <array>
#include <cstdint>
#include <limits>

// Why a recording fails at a coordinate beyond the format's 16 bits.
inline const QString PointOutsideMetafileRange = QStringLiteral("a point lies outside the range of metafile coordinates");

class MetafileRecorder
{
public:
    // The format counts a file's size in 32-bit words; a recording that
    // would grow past maxWords fails as soon as it would.
    explicit MetafileRecorder(const QString &fileName,
                              std::uint64_t maxWords = std::numeric_limits<std::uint32_t>::max());

    // A solid pen. Its object index is the lowest free slot, and nothing is
    // ever freed, so the k-th pen of the file is object k.
    std::uint16_t createPen(std::int16_t width, Color color);
    void selectObject(std::uint16_t object);
    // Coordinates are logical units, rounded to whole numbers with halves to
    // the even neighbour as the graphics interface takes them; one beyond
    // the format's 16 bits fails the recording instead of writing it wrong.
    void moveTo(double x, double y);
    void lineTo(double x, double y);

    // Writes the end record and the header and puts the file in place; once
    // per recording. False when anything failed; errorString() says why.
    bool close();
    QString errorString() const { return m_error; }

private:
    bool failed() const { return !m_error.isEmpty(); }
    void putHeader();
    void beginRecord(std::uint32_t words, std::uint16_t function);
    void point(std::uint16_t function, double x, double y);
    void put16(std::uint16_t value);
    void put32(std::uint32_t value);
    void flush();
    void fail(const QString &reason);

    SaveFile m_file;
    // Big enough for a few thousand records, small enough to stay in cache.
    std::array<unsigned char, 1 << 16> m_buffer;
    std::size_t m_used = 0;
    std::uint64_t m_maxWords;
    std::uint64_t m_words = 0;
    std::uint32_t m_largestRecord = 0;
    std::uint16_t m_objects = 0;
    QString m_error;
};

#include "metafilerecorder.h"

#include "numbers.h"
#include "savefile.h"

#include <limits>

namespace {
constexpr std::uint16_t HeaderWords = 9;
constexpr std::size_t LargestRecordBytes = 16;

constexpr std::uint16_t META_EOF = 0x0000;
constexpr std::uint16_t META_SELECTOBJECT = 0x012D;
constexpr std::uint16_t META_LINETO = 0x0213;
constexpr std::uint16_t META_MOVETO = 0x0214;
constexpr std::uint16_t META_CREATEPENINDIRECT = 0x02FA;
constexpr std::uint16_t PS_SOLID = 0;
} // namespace

MetafileRecorder::MetafileRecorder(const QString &fileName, std::uint64_t maxWords)
    : m_file(fileName), m_maxWords(maxWords)
{
    if (!m_file.open()) {
        fail(m_file.errorString());
        return;
    }
    // The header's place; its figures are known only at the end.
    m_words = HeaderWords;
    putHeader();
}

std::uint16_t MetafileRecorder::createPen(std::int16_t width, Color color)
{
    if (m_objects == std::numeric_limits<std::uint16_t>::max())
        fail("too many pens for one metafile");
    if (failed())
        return 0;
    beginRecord(8, META_CREATEPENINDIRECT);
    put16(PS_SOLID);
    put16(std::uint16_t(width));
    put16(0);
    put32(color);
    return m_objects++;
}

void MetafileRecorder::selectObject(std::uint16_t object)
{
    if (failed())
        return;
    beginRecord(4, META_SELECTOBJECT);
    put16(object);
}

void MetafileRecorder::moveTo(double x, double y)
{
    point(META_MOVETO, x, y);
}

void MetafileRecorder::lineTo(double x, double y)
{
    point(META_LINETO, x, y);
}

void MetafileRecorder::point(std::uint16_t function, double x, double y)
{
    const std::optional<std::int16_t> column = CInt(x);
    const std::optional<std::int16_t> row = CInt(y);
    if (!column || !row)
        fail(PointOutsideMetafileRange);
    if (failed())
        return;
    beginRecord(5, function);
    put16(std::uint16_t(*row));
    put16(std::uint16_t(*column));
}

bool MetafileRecorder::close()
{
    if (!failed()) {
        beginRecord(3, META_EOF);
        flush();
    }
    if (!failed() && !m_file.device().seek(0))
        fail(m_file.device().errorString());
    if (!failed()) {
        putHeader();
        flush();
    }
    if (!failed() && !m_file.commit())
        fail(m_file.errorString());
    if (failed())
        m_file.cancel();
    return !failed();
}

void MetafileRecorder::putHeader()
{
    put16(1); // a metafile on disk still records the memory type
    put16(HeaderWords);
    put16(0x0300);
    put32(std::uint32_t(m_words));
    put16(m_objects);
    put32(m_largestRecord);
    put16(0);
}

void MetafileRecorder::beginRecord(std::uint32_t words, std::uint16_t function)
{
    if (m_used + LargestRecordBytes > m_buffer.size())
        flush();
    // The record's bytes still go into the buffer, which is not written
    // once the recording has failed.
    if (m_words + words > m_maxWords) {
        fail("the drawing is too large for one metafile");
        return;
    }
    m_words += words;
    if (words > m_largestRecord)
        m_largestRecord = words;
    put32(words);
    put16(function);
}

void MetafileRecorder::put16(std::uint16_t value)
{
    m_buffer[m_used++] = static_cast<unsigned char>(value);
    m_buffer[m_used++] = static_cast<unsigned char>(value >> 8);
}

void MetafileRecorder::put32(std::uint32_t value)
{
    put16(static_cast<std::uint16_t>(value));
    put16(static_cast<std::uint16_t>(value >> 16));
}

void MetafileRecorder::flush()
{
    if (!failed() && !m_file.write(reinterpret_cast<const char *>(m_buffer.data()), qint64(m_used)))
        fail(m_file.errorString());
    m_used = 0;
}

void MetafileRecorder::fail(const QString &reason)
{
    if (!failed())
        m_error = reason.isEmpty() ? QStringLiteral("unknown error") : reason;
}

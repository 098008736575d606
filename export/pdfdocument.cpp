#include "pdfdocument.h"

#include "platform/savefile.h"

#include <QByteArray>
#include <charconv>
#include <cstdio>

namespace {
// A text string in UTF-16 with its byte order mark, in hexadecimal: any
// file name goes in as it is.
std::string textString(const QString &text)
{
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string out = "<FEFF";
    for (const QChar c : text)
        for (const int shift : {12, 8, 4, 0})
            out += Hex[(c.unicode() >> shift) & 0xF];
    return out + ">";
}

std::string number(qint64 value)
{
    return std::to_string(value);
}
} // namespace

PdfDocument::PdfDocument(SaveFile &file) : m_file(file)
{
    m_content.reserve(Block + 4096);
    // The second line tells transfer programs that the file is binary.
    write("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n");
}

void PdfDocument::addNumber(int value)
{
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    m_content.append(digits, end);
}

void PdfDocument::passOn()
{
    if (m_content.empty())
        return;
    // qCompress puts the length before zlib's stream, which is what a
    // PDF's Flate filter reads. Its fastest level takes a third of the
    // default's time for a file twice as large, still a sixth of the SVG
    // picture's.
    const QByteArray compressed = qCompress(reinterpret_cast<const uchar *>(m_content.data()), qsizetype(m_content.size()), 1);
    const std::string_view stream(compressed.constData() + 4, std::size_t(compressed.size() - 4));
    m_content.clear();
    m_contentStreams.push_back(beginObject());
    write("<< /Length " + number(qint64(stream.size())) + " /Filter /FlateDecode >>\nstream\n");
    write(stream);
    write("\nendstream\nendobj\n");
}

int PdfDocument::beginObject()
{
    m_offsets.push_back(m_written);
    const int object = int(m_offsets.size());
    write(number(object) + " 0 obj\n");
    return object;
}

void PdfDocument::write(std::string_view bytes)
{
    if (m_ok)
        m_ok = m_file.write(bytes.data(), qint64(bytes.size()));
    m_written += qint64(bytes.size());
}

bool PdfDocument::finish(QSize pagePoints, const QString &title, const QString &creator)
{
    passOn();
    // The objects that follow are numbered in the order they are written.
    const int page = int(m_offsets.size()) + 1, pages = page + 1, catalogue = page + 2, information = page + 3;
    std::string contents;
    for (const int stream : m_contentStreams)
        contents += number(stream) + " 0 R ";
    beginObject();
    write("<< /Type /Page /Parent " + number(pages) + " 0 R /MediaBox [0 0 " + number(pagePoints.width()) + " " +
          number(pagePoints.height()) + "] /Resources << >> /Contents [ " + contents + "] >>\nendobj\n");
    beginObject();
    write("<< /Type /Pages /Kids [" + number(page) + " 0 R] /Count 1 >>\nendobj\n");
    beginObject();
    write("<< /Type /Catalog /Pages " + number(pages) + " 0 R >>\nendobj\n");
    beginObject();
    write("<< /Title " + textString(title) + " /Creator " + textString(creator) + " >>\nendobj\n");

    const qint64 table = m_written;
    write("xref\n0 " + number(information + 1) + "\n0000000000 65535 f \n");
    for (const qint64 offset : m_offsets) {
        char entry[21];
        std::snprintf(entry, sizeof entry, "%010lld 00000 n \n", static_cast<long long>(offset));
        write(std::string_view(entry, 20));
    }
    write("trailer\n<< /Size " + number(information + 1) + " /Root " + number(catalogue) + " 0 R /Info " +
          number(information) + " 0 R >>\nstartxref\n" + number(table) + "\n%%EOF\n");
    return m_ok;
}

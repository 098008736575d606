#pragma once

// A PDF file of one page of vector paths, written as it goes. The page's
// content is cut into blocks of about a megabyte, each compressed and
// written as a content stream of its own (a page's streams read as one),
// so that memory stays flat and the writer can stop between blocks; the
// page, the catalogue, the document information and the cross-reference
// table follow the last block.

#include <QSize>
#include <QString>
#include <string>
#include <string_view>
#include <vector>

class SaveFile;

class PdfDocument
{
public:
    explicit PdfDocument(SaveFile &file);

    // Adds to the page's content, a block at a time; cut only between
    // lines, which end with operators.
    void add(std::string_view text) { m_content.append(text); }
    void addNumber(int value);
    void passOnWhenFull()
    {
        if (m_content.size() >= Block)
            passOn();
    }

    // Writes the rest: the page of the size in points, its title and
    // creator. False when the file failed, which names the reason.
    bool finish(QSize pagePoints, const QString &title, const QString &creator);

private:
    static constexpr std::size_t Block = 1 << 20;

    void passOn();
    // Starts the next object, whose number it returns.
    int beginObject();
    void write(std::string_view bytes);

    SaveFile &m_file;
    bool m_ok = true;
    qint64 m_written = 0;
    std::vector<qint64> m_offsets; // of objects 1, 2, ...
    std::vector<int> m_contentStreams;
    std::string m_content;
};

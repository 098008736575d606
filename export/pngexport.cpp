#include "pngexport.h"

#include "core/curvetrace.h"
#include "mainwindow/canvaswindow.h"
#include "mainwindow/mainpanel.h"
#include "picturefile.h"
#include "platform/savefile.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <QPolygonF>
#include <cmath>

namespace {
// Large enough for a poster, small enough to stay within memory.
constexpr int LargestSide = 8192;

// The size asked for, shrunk to the largest side.
QSize pictureSize(QSize size)
{
    return size.width() > LargestSide || size.height() > LargestSide
               ? size.scaled(LargestSide, LargestSide, Qt::KeepAspectRatio)
               : size;
}
} // namespace

void exportpng_Click()
{
    if (!SaveCanStart())
        return;
    const QSize canvasSize(canvas->clientPixelWidth(), canvas->clientPixelHeight());
    const int factors[] = {1, 2, 4};
    QStringList items;
    for (const int factor : factors) {
        const QSize size = pictureSize(canvasSize * factor);
        items << QString("%1 × %2 pixels (%3)")
                     .arg(size.width())
                     .arg(size.height())
                     .arg(factor == 1 ? QString("the canvas's size") : QString("%1 times the canvas").arg(factor));
    }
    const std::optional<int> chosen = Form1->pngDialog.showChoice("Export as PNG", "Size of the picture:", items);
    if (!chosen)
        return;
    const int factor = factors[*chosen];
    ExportPicture(Form1->pngDialog, "PNG pictures (*.png)|*.png|all files (*.*)|*.*", "png",
                  [&](SaveFile &file, QString &reason) {
                      return WritePngPicture(file, DrawingsSinceClear(), canvasSize * factor, zoomFactor, reason);
                  });
}

bool WritePngPicture(SaveFile &file, std::span<const DrawingRecord> records, QSize size, double zoom, QString &reason)
{
    // Encoded in memory, so that the file's own writes name a failure.
    // Hairlines, as on the canvas: a larger picture shows finer lines, and
    // wider smooth lines would take ten times as long.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(PngPicture(records, pictureSize(size), zoom, 1))) {
        reason = writer.errorString();
        return false;
    }
    return file.write(png.constData(), png.size());
}

QImage PngPicture(std::span<const DrawingRecord> records, QSize size, double zoom, double lineWidth)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // The canvas's square of user units fills the picture, as it fills the
    // canvas, whatever the picture's shape.
    const double low = std::floor(-2000 * zoom), high = std::floor(2000 * zoom);
    painter.scale(size.width() / (high - low), size.height() / (high - low));
    painter.translate(-low, -low);
    QPolygonF points;
    for (const DrawingRecord &record : records) {
        if (!CanTraceCurve(record))
            continue;
        points.clear();
        const auto add = [&](double x, double y) { points.append(QPointF(x, y)); };
        TraceCurve(record, add, add);
        QPen pen(toQColor(record.color), lineWidth);
        pen.setCosmetic(true);
        painter.setPen(pen);
        painter.drawPolyline(points);
    }
    return image;
}

#include "testsupport.h"

#include "core/module1.h"
#include "mainwindow/canvaswindow.h"
#include "mainwindow/mainpanel.h"
#include "platform/system.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>

void startProgram()
{
    Form1->show();
    DoEvents();
}

DrawingRecord panelRecord(double stat, double rot, double penPercent, double degrees, int position, Color color)
{
    return {stat * 5, rot * 5, penPercent / 100 * (rot * 5), (-degrees / 180) * pi, color, std::int16_t(position)};
}

std::vector<SurfaceOp> SurfaceRecorder::on(const QString &surface) const
{
    std::vector<SurfaceOp> ops;
    std::copy_if(m_log.begin(), m_log.end(), std::back_inserter(ops),
                 [&](const SurfaceOp &op) { return op.surface == surface; });
    return ops;
}

std::vector<SurfaceOp> SurfaceRecorder::on(const QString &surface, SurfaceOp::Kind kind) const
{
    std::vector<SurfaceOp> ops = on(surface);
    std::erase_if(ops, [&](const SurfaceOp &op) { return op.kind != kind; });
    return ops;
}

std::vector<Color> SurfaceRecorder::canvasCurves() const
{
    // A curve is a move to its start and the lines from there.
    std::vector<Color> colours;
    const std::vector<SurfaceOp> ops = on("canvas");
    for (std::size_t i = 1; i < ops.size(); ++i)
        if (ops[i].kind == SurfaceOp::LineTo && ops[i - 1].kind == SurfaceOp::MoveTo)
            colours.push_back(ops[i].color);
    return colours;
}

void atNextYield(std::function<void()> action)
{
    QTimer::singleShot(0, std::move(action));
}

void atYield(int n, std::function<void()> action)
{
    if (n <= 1)
        atNextYield(std::move(action));
    else
        atNextYield([n, action = std::move(action)] { atYield(n - 1, action); });
}

QByteArray contents(const QString &file)
{
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

std::map<QString, QString> pdfInfo(const QString &pdf)
{
    QProcess info;
    info.start("pdfinfo", {pdf});
    info.waitForFinished();
    std::map<QString, QString> fields;
    for (const QString &line : QString::fromUtf8(info.readAllStandardOutput()).split('\n'))
        if (const qsizetype colon = line.indexOf(':'); colon > 0)
            fields[line.left(colon)] = line.mid(colon + 1).trimmed();
    return fields;
}

QImage renderedPdf(const QString &pdf, int dpi)
{
    const QTemporaryDir dir;
    QProcess::execute("pdftoppm", {"-r", QString::number(dpi), "-aa", "no", "-aaVector", "no", "-singlefile", "-png",
                                   pdf, dir.filePath("page")});
    return QImage(dir.filePath("page.png")).convertToFormat(QImage::Format_RGB32);
}

void clickDraw()
{
    QTest::mouseClick(&Form1->start, Qt::LeftButton);
}

void clickDrawTimes(int times)
{
    for (int i = 0; i < times; ++i)
        clickDraw();
}

void clickCanvas()
{
    QTest::mouseClick(&canvas->client(), Qt::LeftButton);
}

void clickClear()
{
    QTest::mouseClick(&Form1->Command1, Qt::LeftButton);
}

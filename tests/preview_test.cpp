#include "mainwindow/canvaswindow.h"
#include "mainwindow/filedialogs.h"
#include "support/fixtures.h"

#include <QApplication>
#include <QClipboard>
#include <QSettings>
#include <QStandardPaths>
#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QImage shown()
{
    return canvas->client().grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The picture as draw leaves it with the chip grey, the preview off.
QImage drawnInGrey()
{
    Form1->chip0.setBackColor(RGB(160, 160, 160));
    clickDraw();
    return canvas->surface().image();
}

void pressF3()
{
    Form1->activateWindow();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F3);
}

using Preview = ProgramTest;

// The curve draw would add, at the zoom and in the lines chosen, hidden by
// draw until a setting changes and during a replay, kept by clear, never
// in the picture, the files or the history; the choice kept for next time.
TEST_F(Preview, ShowsInGreyWhatDrawWouldAddAndNothingOfItEntersThePicture)
{
    // A clock a second on at each read: each change shows at the next yield.
    setTickSource([now = std::int64_t(0)]() mutable { return now += 1000; });
    MainPanel &panel = *Form1;
    const struct {
        int stat, rot, pen, position, zoomIns;
        const char *angle;
    } rows[] = {{100, 40, 90, -100, 0, "0"}, {119, 120, 50, -100, 2, "1e9"}, {37, 20, 250, 55, -1, "-30.5"}};
    pressF3();
    for (const auto &row : rows) {
        clickDraw();
        panel.VScroll2.setSliderDown(true); // the thumb taken and let go in place
        panel.VScroll2.setSliderDown(false);
        DoEvents();
        EXPECT_EQ(shown(), canvas->surface().image()) << row.angle;
        panel.VScroll1.setValue(row.stat);
        panel.VScroll2.setValue(row.rot);
        panel.VScroll3.setValue(row.pen);
        panel.HScroll1.setValue(row.position);
        panel.Text4.setText(row.angle);
        for (int i = 0; i < std::abs(row.zoomIns); ++i)
            (row.zoomIns > 0 ? panel.zi : panel.zo).trigger();
        panel.smooth.trigger();
        bool noneInReplay = false;
        atNextYield([&] { noneInReplay = shown() == canvas->surface().image(); });
        clickCanvas();
        DoEvents();
        const QImage picture = canvas->surface().image(), previewed = shown();
        pressF3();
        const QImage off = shown();
        clickCanvas(); // the drawings alone
        EXPECT_TRUE(noneInReplay && off == shown() && shown() == picture) << row.angle;
        EXPECT_EQ(drawnInGrey(), previewed) << row.angle;
        pressF3();
    }
    panel.VScroll3.setValue(30);
    CommonDialog::setChoiceAnswer([](const QStringList &) { return 0; });
    std::pair<std::vector<QByteArray>, std::vector<QImage>> taken[2];
    for (auto &[files, pictures] : taken) {
        for (const auto &[item, name] :
             {std::pair{&panel.savedrawing, "d.rondel"}, {&panel.exportsvg, "p.svg"}, {&panel.exportpng, "p.png"}}) {
            exportAs(*item, path(name));
            files.push_back(contents(path(name)));
        }
        panel.copypicture.trigger();
        panel.undo.trigger();
        DoEvents();
        pictures = {QGuiApplication::clipboard()->image(), canvas->surface().image()};
        panel.redo.trigger();
        pressF3();
    }
    EXPECT_TRUE(taken[0] == taken[1]);
    clickClear();
    DoEvents();
    EXPECT_NE(shown(), canvas->surface().image());
    // Draw pressed while a thumb is held draws the box's value; the thumb
    // let go elsewhere is a change, which brings the grey back.
    panel.VScroll3.setSliderDown(true);
    panel.VScroll3.setSliderPosition(panel.VScroll3.sliderPosition() + 20);
    clickDraw();
    panel.VScroll3.setSliderDown(false);
    DoEvents();
    EXPECT_NE(shown(), canvas->surface().image());
    panel.Text4.setText("north"); // no curve, and no message
    DoEvents();
    EXPECT_TRUE(shown() == canvas->surface().image() && beepCount() == 0);
    setEndHook([] {});
    for (const bool on : {true, false}) {
        Form1->exit.trigger();
        DoEvents();
        startProgram();
        DoEvents();
        EXPECT_TRUE(Form1->previewcurve.isChecked() == on && (shown() != canvas->surface().image()) == on);
        if (on)
            pressF3();
    }
    // A value edited by hand that is no "true" leaves it off; a settings
    // file that is a pipe is not waited for.
    const QString settings = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/rondel.conf";
    QSettings("rondel").setValue("previewCurve", "banana");
    Form1->exit.trigger();
    startProgram();
    EXPECT_FALSE(Form1->previewcurve.isChecked());
    QFile::remove(settings);
    ASSERT_EQ(mkfifo(QFile::encodeName(settings).constData(), 0600), 0);
    auto reading = std::async(std::launch::async, [] { return ProgramSettings().value("previewCurve").toString(); });
    const bool answered = reading.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
    if (!answered) // lets the reader go
        ::close(::open(QFile::encodeName(settings).constData(), O_WRONLY | O_NONBLOCK));
    EXPECT_TRUE(answered && reading.get().isEmpty());
    setEndHook({});
}

// A dragged thumb is followed, retraced at most once per screen refresh.
TEST_F(Preview, FollowsADraggedThumbAtMostOncePerRefreshEndingOnItsLastPlace)
{
    pressF3();
    SurfaceRecorder recorder;
    ScrollBar &bar = Form1->VScroll3;
    const QPoint thumb(bar.width() / 2, bar.height() / 2);
    QTest::mousePress(&bar, Qt::LeftButton, {}, thumb);
    const std::int64_t start = GetTickCount();
    QPoint at = thumb;
    for (int i = 1; GetTickCount() - start < 150; ++i) {
        QTest::mouseMove(&bar, at = thumb + QPoint(0, i % 20));
        WaitForEvents(1);
    }
    WaitForEvents(20);
    const qint64 refreshes = (GetTickCount() - start) * canvas->screen()->refreshRate() / 1000;
    const std::size_t retraces = recorder.on("canvas", SurfaceOp::Overlay).size();
    EXPECT_TRUE(retraces >= 3 && retraces <= std::size_t(refreshes + 1)) << retraces << " in " << refreshes;
    const QImage previewed = shown();
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, at);
    pressF3();
    EXPECT_EQ(drawnInGrey(), previewed);
}

} // namespace

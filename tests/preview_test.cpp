#include "mainwindow/canvaswindow.h"
#include "support/fixtures.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>

namespace {

const Color Grey = RGB(160, 160, 160);

// What the canvas shows on the screen.
QImage shown()
{
    return canvas->client().grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The picture the canvas keeps, as draw leaves it with the chip grey and
// the preview off.
QImage drawnInGrey()
{
    Form1->previewcurve.trigger();
    Form1->chip0.setBackColor(Grey);
    clickDraw();
    return canvas->surface().image().convertToFormat(QImage::Format_RGB32);
}

void pressF3()
{
    Form1->activateWindow();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F3);
}

// A clock a second further on at every read: each change is shown at the
// next turn of the event loop.
class Preview : public ExportTest
{
protected:
    void SetUp() override
    {
        ExportTest::SetUp();
        setTickSource([this] { return now += 1000; });
    }
    std::int64_t now = 0;
};

// The preview is the very curve draw adds, at the zoom and in the lines
// chosen, and turning it off leaves the picture as the drawings made it.
TEST_F(Preview, ShowsInGreyWhatDrawWouldAddAndNothingOfItEntersThePicture)
{
    MainPanel &panel = *Form1;
    const struct {
        int stat, rot, pen, position, zoomIns;
        const char *angle;
    } rows[] = {{100, 40, 100, -100, 0, "0"}, {119, 120, 50, -100, 2, "1e9"}, {37, 90, 250, 55, -1, "-30.5"}};
    for (const auto &row : rows) {
        panel.VScroll1.setValue(row.stat);
        panel.VScroll2.setValue(row.rot);
        panel.VScroll3.setValue(row.pen);
        panel.HScroll1.setValue(row.position);
        panel.Text4.setText(row.angle);
        for (int i = 0; i < std::abs(row.zoomIns); ++i)
            (row.zoomIns > 0 ? panel.zi : panel.zo).trigger();
        panel.smooth.trigger();
        clickDraw(); // a curve under the preview
        const QImage picture = canvas->surface().image().convertToFormat(QImage::Format_RGB32);
        pressF3();
        DoEvents();
        const QImage previewed = shown();
        EXPECT_EQ(canvas->surface().image(), picture) << row.angle;
        pressF3();
        EXPECT_EQ(shown(), picture) << row.angle;
        pressF3();
        EXPECT_EQ(drawnInGrey(), previewed) << row.angle;
    }
    // A start angle that is no number shows nothing, and says nothing.
    panel.previewcurve.trigger();
    panel.Text4.setText("north");
    DoEvents();
    EXPECT_EQ(shown(), canvas->surface().image());
    EXPECT_EQ(beepCount(), 0);
}

// Draw hides the preview until a setting changes; a replay shows it only
// once it has ended, and clear keeps it.
TEST_F(Preview, HidesAfterDrawUntilASettingChanges)
{
    MainPanel &panel = *Form1;
    panel.previewcurve.trigger();
    clickDraw();
    DoEvents();
    EXPECT_EQ(shown(), canvas->surface().image());
    QTest::mouseClick(&panel.VScroll3, Qt::LeftButton, {}, QPoint(panel.VScroll3.width() / 2, 3));
    DoEvents();
    const QImage previewed = shown();
    QImage duringReplay;
    atNextYield([&] { duringReplay = shown(); });
    clickCanvas();
    EXPECT_EQ(duringReplay, canvas->surface().image());
    DoEvents();
    EXPECT_EQ(shown(), previewed);
    clickClear();
    const QImage cleared = shown();
    panel.Text4.setText("90"); // typed
    DoEvents();
    EXPECT_NE(shown(), cleared);
    panel.Text4.setText("0");
    EXPECT_EQ(drawnInGrey(), cleared);
}

TEST_F(Preview, SavesExportsCopiesAndUndoAreTheSameAsWithoutIt)
{
    clickDraw();
    clickDraw();
    Form1->VScroll3.setValue(30);
    CommonDialog::setChoiceAnswer([](const QStringList &) { return 0; });
    const auto taken = [&](const QString &name) {
        QStringList files;
        for (MenuItem *item : {&Form1->savedrawing, &Form1->exportsvg, &Form1->exportpng}) {
            exportAs(*item, path(name + QString::number(files.size())));
            QFile file(path(name + QString::number(files.size())));
            files << (file.open(QIODevice::ReadOnly) ? file.readAll().toBase64() : "");
        }
        Form1->copypicture.trigger();
        Form1->undo.trigger();
        DoEvents();
        return std::pair{files, std::vector{QGuiApplication::clipboard()->image(), canvas->surface().image()}};
    };
    const auto without = taken("off");
    Form1->redo.trigger();
    Form1->previewcurve.trigger();
    DoEvents();
    EXPECT_EQ(taken("on"), without);
}

// A dragged thumb moves the preview, retraced at most once per refresh of
// the screen, while its box waits for the release.
TEST_F(Preview, FollowsADraggedThumbAtMostOncePerRefreshEndingOnItsLastPlace)
{
    setTickSource({});
    MainPanel &panel = *Form1;
    panel.previewcurve.trigger();
    DoEvents();
    SurfaceRecorder recorder;
    ScrollBar &bar = panel.VScroll3;
    const QPoint thumb(bar.width() / 2, bar.height() / 2);
    QTest::mousePress(&bar, Qt::LeftButton, {}, thumb);
    QElapsedTimer elapsed;
    elapsed.start();
    for (int i = 1; i <= 150; ++i) {
        QTest::mouseMove(&bar, thumb + QPoint(0, i % 20));
        WaitForEvents(1);
    }
    WaitForEvents(20);
    const qint64 refreshes = elapsed.elapsed() * canvas->screen()->refreshRate() / 1000;
    const std::size_t retraces = recorder.on("canvas", SurfaceOp::Overlay).size();
    EXPECT_TRUE(retraces >= 3 && retraces <= std::size_t(refreshes + 1)) << retraces << " in " << refreshes;
    EXPECT_EQ(panel.Text3.text(), "100");
    const QImage previewed = shown();
    const std::optional<int> last = bar.draggedValue();
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, thumb + QPoint(0, 150 % 20));
    EXPECT_EQ(panel.Text3.text(), QString::number(last.value_or(-1)));
    EXPECT_EQ(drawnInGrey(), previewed);
}

TEST_F(Preview, TheChoiceSurvivesARestart)
{
    setEndHook([] {});
    for (const bool on : {true, false}) {
        pressF3();
        Form1->exit.trigger();
        DoEvents();
        startProgram();
        DoEvents();
        EXPECT_EQ(Form1->previewcurve.isChecked(), on);
        EXPECT_EQ(shown() != canvas->surface().image(), on);
    }
    setEndHook({});
}

} // namespace

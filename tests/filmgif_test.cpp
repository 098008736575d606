#include "animation/animation.h"
#include "infowindows/errorwindow.h"
#include "mainwindow/canvaswindow.h"
#include "platform/progressdialog.h"
#include "support/fixtures.h"

#include <gif_lib.h>

namespace {

using FilmGif = FilmTest;

// The frames the screen window shows, each taken at the yield after it.
std::vector<QImage> playedFrames(int count)
{
    SurfaceRecorder recorder;
    std::vector<QImage> frames;
    std::function<void()> take = [&] {
        if (recorder.on("screeen", SurfaceOp::Polyline).size() > frames.size())
            frames.push_back(screeen->surface().image().copy());
        if (int(frames.size()) < count)
            atNextYield(take);
    };
    atNextYield(take);
    AnimateDrawing();
    return frames;
}

// The film as giflib's decoder reads it.
using DecodedGif = std::unique_ptr<GifFileType, void (*)(GifFileType *)>;
DecodedGif decoded(const QString &file)
{
    int error = 0;
    DecodedGif gif(DGifOpenFileName(QFile::encodeName(file).constData(), &error),
                   [](GifFileType *open) { DGifCloseFile(open, nullptr); });
    EXPECT_TRUE(gif && DGifSlurp(gif.get()) == GIF_OK) << GifErrorString(error);
    return gif;
}

// A three-drawing film in heavy lines at 7 frames a second, chosen on a
// generator panel since closed, read back with giflib: looping for ever,
// 14 hundredths a frame, and each frame the screen window's pixels.
TEST_F(FilmGif, EachFrameIsTheScreenWindowsFrame)
{
    clickDrawTimes(3);
    panel().mnuHeavy.trigger();
    panel().Text10.setText("7");
    genbox.unload(); // the rate chosen stays the film's
    exportAs(Form1->exportgif, path("film.gif"));

    const DecodedGif film = decoded(path("film.gif"));
    GifFileType *gif = film.get();
    ASSERT_TRUE(gif);
    EXPECT_EQ(QSize(gif->SWidth, gif->SHeight), QSize(400, 400));
    ASSERT_EQ(gif->ImageCount, 3);
    const ExtensionBlock *looping = gif->SavedImages[0].ExtensionBlocks;
    ASSERT_GE(gif->SavedImages[0].ExtensionBlockCount, 2);
    EXPECT_EQ(QByteArray(reinterpret_cast<char *>(looping[0].Bytes), looping[0].ByteCount), "NETSCAPE2.0");
    EXPECT_EQ(QByteArray(reinterpret_cast<char *>(looping[1].Bytes), looping[1].ByteCount), QByteArray("\1\0\0", 3));

    screeen->show();
    screeen->client().resize(400, 400);
    tickEvery(1000);
    const std::vector<QImage> shown = playedFrames(3);
    ASSERT_EQ(shown.size(), 3u);
    // Each frame drawn as a viewer draws it: over what the one before left,
    // but for its transparent pixels, then disposed of as it asks, on a
    // transparent background, as browsers show it.
    QImage screen(400, 400, QImage::Format_ARGB32);
    screen.fill(Qt::transparent);
    for (int i = 0; i < 3; ++i) {
        GraphicsControlBlock control{};
        ASSERT_EQ(DGifSavedExtensionToGCB(gif, i, &control), GIF_OK);
        EXPECT_EQ(control.DelayTime, 14);
        const GifImageDesc &part = gif->SavedImages[i].ImageDesc;
        ASSERT_TRUE(part.ColorMap && QRect(0, 0, 400, 400).contains(QRect(part.Left, part.Top, part.Width, part.Height)));
        const QImage before = screen.copy();
        for (int y = 0; y < part.Height; ++y)
            for (int x = 0; x < part.Width; ++x)
                if (const int index = gif->SavedImages[i].RasterBits[y * part.Width + x]; index != control.TransparentColor) {
                    const GifColorType c = part.ColorMap->Colors[index];
                    screen.setPixel(part.Left + x, part.Top + y, qRgb(c.Red, c.Green, c.Blue));
                }
        EXPECT_EQ(screen, shown[std::size_t(i)].convertToFormat(QImage::Format_ARGB32)) << i;
        if (control.DisposalMode == DISPOSE_PREVIOUS)
            screen = before;
        if (control.DisposalMode == DISPOSE_BACKGROUND)
            for (int y = 0; y < part.Height; ++y)
                std::fill_n(reinterpret_cast<QRgb *>(screen.scanLine(part.Top + y)) + part.Left, part.Width, 0);
    }
}

// The delay a viewer reads from a frame: the time between frames at the
// rate typed on the generator panel, in hundredths of a second, halves
// upwards, at least 2.
TEST_F(FilmGif, DelaysRoundTheFramesPacing)
{
    clickDraw();
    for (const auto &[rate, delay] : std::vector<std::pair<QString, int>>{
             {"30", 3}, {"40", 3}, {"22", 5}, {"41", 2}, {"1", 100}, {"2000", 2}, {"0.001", 0xFFFF}}) {
        panel().Text10.setText(rate);
        exportAs(Form1->exportgif, path("film.gif"));
        const DecodedGif film = decoded(path("film.gif"));
        GraphicsControlBlock control{};
        ASSERT_TRUE(film && DGifSavedExtensionToGCB(film.get(), 0, &control) == GIF_OK);
        EXPECT_EQ(control.DelayTime, delay) << rate.toStdString();
    }
}

// An empty list and a cancelled export write nothing, and only the empty
// list says so; a replay asked for meanwhile waits for the export.
TEST_F(FilmGif, NothingIsWrittenForAnEmptyListOrACancelAndAReplayWaits)
{
    exportAs(Form1->exportgif, path("film.gif"));
    EXPECT_EQ(errbox->Label1.caption(), "there are no drawings to make a film of");
    errbox->hide();
    clickDrawTimes(4);
    ProgressDialog::setCancelAnswer([](int done) { return done == 2; });
    Form1->exportgif.trigger();
    EXPECT_FALSE(QFileInfo::exists(path("film.gif")));
    EXPECT_FALSE(errbox.isLoaded() && errbox->isVisible());

    // A canvas resized while the film is written asks for a replay, which
    // starts once the file is whole instead of holding the export under it.
    SurfaceRecorder recorder;
    std::vector<std::size_t> curvesDuring;
    ProgressDialog::setCancelAnswer([&](int done) {
        if (done == 1)
            canvas->resize(canvas->width() + 10, canvas->height());
        curvesDuring.push_back(recorder.canvasCurves().size());
        return false;
    });
    exportAs(Form1->exportgif, path("film.gif"));
    EXPECT_EQ(curvesDuring, (std::vector<std::size_t>{0, 0, 0, 0}));
    EXPECT_EQ(recorder.canvasCurves().size(), 4u);
    EXPECT_TRUE(QFileInfo(path("film.gif")).size() > 0 && !replaying);
}

} // namespace

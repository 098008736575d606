#include "animation/anistart.h"
#include "infowindows/aboutwindow.h"
#include "infowindows/errorwindow.h"
#include "infowindows/helpwindow.h"
#include "support/fixtures.h"

#include <QFontInfo>
#include <QFontMetrics>

namespace {

using InfoWindows = ProgramTest;

TEST_F(InfoWindows, ErrorWindowBeepsOncePerShowing)
{
    ShowError("first");
    ShowError("second");
    EXPECT_TRUE(beepCount() == 1 && errbox->Label1.caption() == "second");
    QTest::mouseClick(&errbox->Command1, Qt::LeftButton);
    EXPECT_FALSE(errbox.isLoaded());
    DoEvents();
    ShowError("third");
    EXPECT_TRUE(beepCount() == 2 && errbox->caption() == "Rondel error");
    const QRect designLabel = errbox->Label1.geometry();

    // A long message pushes the button down instead of hiding under it, and
    // a file name longer than a line breaks where the line ends.
    const QString name = "/home/someone/Documents/" + QString(60, u'x') + ".wmf";
    ShowError("could not save \"" + name + "\": No such file or directory");
    const Label &label = errbox->Label1;
    EXPECT_GE(label.height(), label.heightForWidth(label.width()));
    EXPECT_GT(label.height(), designLabel.height());
    EXPECT_GT(errbox->Command1.y(), label.geometry().bottom());
    EXPECT_GT(errbox->clientPixelHeight(), errbox->Command1.geometry().bottom());
}

// The design's rectangles were made for another font: every label draws its
// whole caption, in a smaller size where it must, and every button's caption
// fits the button.
TEST_F(InfoWindows, EveryCaptionIsFullyVisibleAtItsDesignSize)
{
    Form1->vhelp.trigger();
    Form1->about.trigger();
    Form1->gen.trigger();
    ShowError("step value cannot be 0");
    for (Form *window : std::initializer_list<Form *>{&*Form1, &*help1, &*about1, &*errbox, &*genbox, &*anistart}) {
        for (const Label *label : window->findChildren<Label *>()) {
            const QRect area = label->contentsRect();
            const QRect needed = QFontMetrics(label->captionFont())
                                     .boundingRect(area, int(label->alignment()) | Qt::TextWordWrap, label->caption());
            EXPECT_TRUE(area.contains(needed.translated(area.topLeft() - needed.topLeft())) &&
                        QFontInfo(label->captionFont()).pixelSize() >= 7)
                << label->caption().toStdString();
        }
        for (const CommandButton *button : window->findChildren<CommandButton *>()) {
            const QFontMetrics metrics(button->font());
            EXPECT_TRUE(metrics.horizontalAdvance(button->caption()) + 4 <= button->width() &&
                        metrics.height() <= button->height())
                << button->caption().toStdString();
        }
    }
    // The column headings, and the help paragraphs, share one size.
    EXPECT_EQ(QFontInfo(Form1->Label5.captionFont()).pixelSize(), QFontInfo(Form1->Label4.captionFont()).pixelSize());
    EXPECT_EQ(QFontInfo(help1->Label1.captionFont()).pixelSize(), QFontInfo(help1->Label3.captionFont()).pixelSize());
}

} // namespace

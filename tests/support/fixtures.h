#pragma once

// The tests' fixtures: the program started as its entry point starts it,
// with a folder for the exports and every test seam cleared afterwards; the
// generator panel open for the films.

#include "animation/screenwindow.h"
#include "core/rnd.h"
#include "generator/generatorpanel.h"
#include "mainwindow/mainpanel.h"
#include "platform/commondialog.h"
#include "platform/progressdialog.h"
#include "platform/system.h"
#include "testsupport.h"

#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

class ProgramTest : public ::testing::Test
{
protected:
    void SetUp() override { startProgram(); }
    void TearDown() override
    {
        setTickSource({});
        setRndSource({});
        CommonDialog::setColorAnswer({});
        CommonDialog::setSaveAnswer({});
        CommonDialog::setOpenAnswer({});
        CommonDialog::setChoiceAnswer({});
        ProgressDialog::setCancelAnswer({});
    }

    // Answers the colour dialog with the colour, or cancels it, and notes
    // the colour each showing opened on.
    void answerColour(std::optional<Color> given)
    {
        CommonDialog::setColorAnswer([this, given](Color shown) {
            coloursShown.push_back(shown);
            return given;
        });
    }
    QString path(const QString &name) const { return dir.filePath(name); }
    // Chooses the item with the save dialog answered by the name.
    static void exportAs(MenuItem &item, const QString &name)
    {
        CommonDialog::setSaveAnswer([name](const QString &) { return name; });
        item.trigger();
    }

    std::vector<Color> coloursShown;
    QTemporaryDir dir;
};

// The generator panel opened, and the user's ways with it.
class GeneratorTest : public ProgramTest
{
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        Form1->gen.trigger();
    }
    static GeneratorPanel &panel() { return *genbox; }
    static void clickGeneratorDraw() { QTest::mouseClick(&genbox->Command1, Qt::LeftButton); }
    static void select(OptionButton &option) { QTest::mouseClick(&option, Qt::LeftButton); }
    // Replaces the box's text by typing.
    static void type(TextBox &box, const QString &text)
    {
        box.selectAll();
        QTest::keyClick(&box, Qt::Key_Backspace);
        QTest::keyClicks(&box, text);
    }
    static void typeRow(const GeneratorPanel::Row &row, const QString &from, const QString &to, const QString &step)
    {
        type(row.from, from);
        type(row.to, to);
        if (row.step.isEnabled())
            type(row.step, step);
    }
};

class FilmTest : public GeneratorTest
{
protected:
    // A film of start-up curves with "animate" checked.
    static void filmOf(int frames)
    {
        std::fill_n(drawings.begin(), frames, panelRecord(100, 40, 100, 0, -100));
        drawCount = std::int16_t(frames);
        genbox->Check1.setValue(1);
    }
    // A clock that moves on by the step whenever it is read.
    void tickEvery(std::int64_t step)
    {
        setTickSource([this, step] { return now += step; });
    }
    // A clock that stands still and counts its reads. A film that nothing
    // stops would read it for ever: it is stopped at the thousandth read,
    // and the test fails on the count.
    void countClockReads()
    {
        reads = 0;
        setTickSource([this] {
            if (++reads == 1000)
                animStopped = true;
            return now;
        });
    }
    static void clickScreen() { QTest::mouseClick(&screeen->client(), Qt::LeftButton); }

    std::int64_t now = 0;
    int reads = 0;
};

#pragma once

// The tests' fixtures: the program started as its entry point starts it,
// with every test seam cleared afterwards; the generator panel open for the
// films; a folder for the exports.

#include "animation/screenwindow.h"
#include "core/rnd.h"
#include "generator/generatorpanel.h"
#include "mainwindow/mainpanel.h"
#include "platform/commondialog.h"
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
        CommonDialog::setChoiceAnswer({});
    }
};

class FilmTest : public ProgramTest
{
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        Form1->gen.trigger();
    }

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

class ExportTest : public ProgramTest
{
protected:
    QString path(const QString &name) const { return dir.filePath(name); }
    // Chooses the item with the save dialog answered by the name.
    static void exportAs(MenuItem &item, const QString &name)
    {
        CommonDialog::setSaveAnswer([name](const QString &) { return name; });
        item.trigger();
    }

    QTemporaryDir dir;
};

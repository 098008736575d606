#pragma once

// What the film tests share: the program started with the generator panel
// open, a list of start-up curves to play, a test clock, and the frames
// the screen window received.

#include "animation/screenwindow.h"
#include "core/module1.h"
#include "generator/generatorpanel.h"
#include "mainwindow/mainpanel.h"
#include "platform/system.h"
#include "testsupport.h"

#include <QTest>
#include <gtest/gtest.h>

class FilmTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        startProgram();
        Form1->gen.trigger();
    }
    void TearDown() override { setTickSource({}); }

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
    // The frames the screen window received, as polylines.
    static std::vector<SurfaceOp> frames(const SurfaceRecorder &recorder)
    {
        std::vector<SurfaceOp> polylines;
        for (const SurfaceOp &op : recorder.on("screeen"))
            if (op.kind == SurfaceOp::Polyline)
                polylines.push_back(op);
        return polylines;
    }
    static void clickScreen() { QTest::mouseClick(&screeen->client(), Qt::LeftButton); }

    std::int64_t now = 0;
};

#include "system.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <limits>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {
int runningYields = 0;
int beeps = 0;
std::function<void()> endHook;
std::function<std::int64_t()> tickSource;
std::vector<QPointer<QObject>> awaitingDeletion;

void deleteAwaiting()
{
    for (const QPointer<QObject> &object : std::exchange(awaitingDeletion, {})) {
        if (object)
            object->deleteLater();
    }
}
} // namespace

void DoEvents()
{
    ++runningYields;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    --runningYields;
    if (runningYields == 0)
        deleteAwaiting();
}

void WaitForEvents(std::int64_t milliseconds)
{
    ++runningYields;
    // The timer only wakes the wait; a coarse one may fire late, and each
    // late frame lowers the frame rate.
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    wake.start(int(std::clamp<std::int64_t>(milliseconds, 0, std::numeric_limits<int>::max())));
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    --runningYields;
    if (runningYields == 0)
        deleteAwaiting();
}

int yieldDepth()
{
    return runningYields;
}

std::int64_t GetTickCount()
{
    static const QElapsedTimer clock = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return tickSource ? tickSource() : clock.elapsed();
}

void setTickSource(std::function<std::int64_t()> source)
{
    tickSource = std::move(source);
}

void Beep()
{
    ++beeps;
    QApplication::beep();
}

int beepCount()
{
    return beeps;
}

void End()
{
    if (endHook) {
        endHook();
        return;
    }
    std::fflush(nullptr);
    std::_Exit(0);
}

void setEndHook(std::function<void()> hook)
{
    endHook = std::move(hook);
}

void deleteWhenIdle(QObject *object)
{
    // Qt's own deferred deletion may run inside a nested processEvents and
    // pull the object from under a handler that is still running.
    awaitingDeletion.emplace_back(object);
    if (runningYields == 0)
        deleteAwaiting();
}

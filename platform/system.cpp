#include "system.h"

#include "savefile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <limits>
#include <thread>
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

namespace {
const QElapsedTimer &monotonicClock()
{
    static const QElapsedTimer started = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    return started;
}
} // namespace

void WaitForEventsUntil(std::int64_t tick)
{
    // In floating point: a deadline far off (a frame rate near zero) is a
    // long wait, never an overflow. A test's clock stands still while the
    // real one runs: the wait is then measured in its milliseconds.
    const double nanoseconds = tickSource ? (double(tick) - double(tickSource())) * 1e6
                                          : double(tick) * 1e6 - double(monotonicClock().nsecsElapsed());
    if (!(nanoseconds > 0))
        return;
    if (!tickSource && nanoseconds < 1.5e6) {
        // The last moments are slept precisely: an event timer wakes on a
        // whole millisecond after the tick has begun, and a frame that
        // starts a tick late loses that millisecond for good.
        std::this_thread::sleep_for(std::chrono::nanoseconds(std::int64_t(nanoseconds)));
        return;
    }
    const double milliseconds = tickSource ? nanoseconds / 1e6 : nanoseconds / 1e6 - 1;
    WaitForEvents(int(std::min(milliseconds, double(std::numeric_limits<int>::max()))));
}

void WaitForEvents(int milliseconds)
{
    ++runningYields;
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    wake.start(std::max(milliseconds, 0));
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
    return tickSource ? tickSource() : monotonicClock().elapsed();
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
    if (SaveFile::holdEnd())
        return;
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

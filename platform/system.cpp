#include "system.h"

#include <QApplication>
#include <QPointer>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {
int runningYields = 0;
int beeps = 0;
std::function<void()> endHook;
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

int yieldDepth()
{
    return runningYields;
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

#include "longloop.h"

#include "module1.h"

#include <optional>
#include <utility>

namespace {
struct Loop {
    LongLoop kind;
    void (*run)();
};
std::optional<Loop> running;
std::optional<Loop> handedOver;
int holds = 0;
void (*watcher)() = nullptr;

void tellWatcher()
{
    if (watcher)
        watcher();
}

void markStopped(LongLoop kind)
{
    if (kind == LongLoop::Replay)
        replaying = false;
    else
        animStopped = true;
}
} // namespace

void RunLongLoop(LongLoop kind, void (*loop)())
{
    if (running || holds > 0) {
        handedOver = Loop{kind, loop};
        return;
    }
    for (std::optional<Loop> next = Loop{kind, loop}; next; next = std::exchange(handedOver, std::nullopt)) {
        running = next;
        tellWatcher();
        next->run();
        // One of the same kind keeps the flag as its start set it.
        if (handedOver && handedOver->kind != next->kind)
            markStopped(next->kind);
    }
    running.reset();
    tellWatcher();
}

bool LoopHandedOver()
{
    return handedOver.has_value();
}

bool LongLoopRunning(LongLoop kind)
{
    return running && running->kind == kind;
}

void setLongLoopWatcher(void (*watch)())
{
    watcher = watch;
}

LongLoopsHeld::LongLoopsHeld()
{
    ++holds;
}

// A loop running under the task takes the one asked for at its next check.
LongLoopsHeld::~LongLoopsHeld()
{
    if (--holds > 0 || running || !handedOver)
        return;
    const Loop next = *std::exchange(handedOver, std::nullopt);
    RunLongLoop(next.kind, next.run);
}

#pragma once

// The long loops (the replay of the drawing list and the two animations)
// yield to the event loop between curves or frames, and a handler running
// there may start another. One long loop runs at a time: a loop started
// while one runs further up the stack is handed to it; the running loop
// ends at its next check and the new one runs in its place. However many
// starts arrive (clicks, resizes, draws), the stack holds one long loop.
//
// A loop replaced by one of the other kind ends as a stopped one (a replay
// with replaying false, a film with animStopped true), so that the flags
// always say what runs and the user's next click acts on the loop that
// does.

enum class LongLoop { Replay, Film };

// Runs the loop, or hands it to the one that is running.
void RunLongLoop(LongLoop kind, void (*loop)());

// True when a loop has been handed over: the running one must end now.
bool LoopHandedOver();

// True while a loop of the kind runs.
bool LongLoopRunning(LongLoop kind);

// The watcher is called as each loop starts and once the last has ended,
// so that what must not show while they run (the canvas's preview) can
// follow them. It must not yield.
void setLongLoopWatcher(void (*watcher)());

// While one lives, long loops wait: a task that yields to a modal progress
// (a film written to a file) would otherwise stay under a loop started
// there (a canvas resized, say) until it ended. The last loop asked for
// meanwhile runs once the task is done.
class LongLoopsHeld
{
public:
    LongLoopsHeld();
    ~LongLoopsHeld();
    LongLoopsHeld(const LongLoopsHeld &) = delete;
    LongLoopsHeld &operator=(const LongLoopsHeld &) = delete;
};

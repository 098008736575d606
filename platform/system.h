#pragma once

// The program's few calls on the system: yielding to the event loop, the
// beep and the end of the program.

#include <cstdint>
#include <functional>

class QObject;

// Handles every pending event, then returns.
void DoEvents();

// Sleeps until events arrive or the tick count reaches the given tick,
// handles the events, and returns. The last millisecond or so is slept
// without handling events, so that the wait ends right as the tick begins.
void WaitForEventsUntil(std::int64_t tick);

// Sleeps until events arrive or the milliseconds have passed, handles the
// events, and returns.
void WaitForEvents(int milliseconds);

// How many yields are running, one inside the other.
int yieldDepth();

// Milliseconds since the clock was first read, early in the run, from a
// clock that only goes forward; 64 bits, so it never wraps.
std::int64_t GetTickCount();
// A test seam: while set, the source stands in for the clock.
void setTickSource(std::function<std::int64_t()> source);

// Sounds the system's default alert.
void Beep();

// How many times Beep has sounded in this run.
int beepCount();

// Ends the process at once with status 0, abandoning any running loop;
// a save copying into a pipe is finished first, and ends it when done.
void End();

// Lets a test see End without the process ending; an empty hook restores
// the real end.
void setEndHook(std::function<void()> hook);

// Deletes an object that handlers further up the stack may still be using:
// never inside a yield, only once every DoEvents has returned.
void deleteWhenIdle(QObject *object);

#pragma once

// The program's few calls on the system: yielding to the event loop, the
// beep and the end of the program.

#include <functional>

class QObject;

// Handles every pending event, then returns.
void DoEvents();

// How many DoEvents are running, one inside the other.
int yieldDepth();

// Sounds the system's default alert.
void Beep();

// How many times Beep has sounded in this run.
int beepCount();

// Ends the process at once with status 0, abandoning any running loop.
void End();

// Lets a test see End without the process ending; an empty hook restores
// the real end.
void setEndHook(std::function<void()> hook);

// Deletes an object that handlers further up the stack may still be using:
// never inside a yield, only once every DoEvents has returned.
void deleteWhenIdle(QObject *object);

#include "longloop.h"

namespace {
bool running = false;
void (*handedOver)() = nullptr;
} // namespace

void RunLongLoop(void (*loop)())
{
    if (running) {
        handedOver = loop;
        return;
    }
    running = true;
    for (void (*next)() = loop; next != nullptr; next = handedOver) {
        handedOver = nullptr;
        next();
    }
    running = false;
}

bool LoopHandedOver()
{
    return handedOver != nullptr;
}

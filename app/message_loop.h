// The window thread's message handling: the loop, and the pump the job calls between picks.
#pragma once

#include <windows.h>

namespace app {

// Records the calling thread as the window thread.
void RecordWindowThread();
bool IsWindowThread();

// One queued message, through the window's own key handling and then to its window.
void DispatchQueuedMessage(MSG& message);

// Runs until a quit request arrives.
void RunMessageLoop();

}  // namespace app

#pragma once

namespace app {

// Thrown into a worker whose service call can no longer be answered because the window is
// gone; the worker's entry catches it and the thread ends without touching anything.
struct WorkerWindowGone {};

}  // namespace app

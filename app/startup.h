#pragma once

namespace app {

// The whole life of the process: start-up, the window, the message loop, the clean-up.
// Returns the exit code.
int RunProgram();

}  // namespace app

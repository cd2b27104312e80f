#pragma once

namespace app {

// Releases what the platform layer holds once the window is gone.
void ReleasePlatform();

}  // namespace app

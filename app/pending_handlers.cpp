// Handlers wired to the window's events whose work the program does not do yet.
#include "app/handlers.h"
#include "app/platform_cleanup.h"

namespace app {

void ApplyWindowSkin() {}
void ReleasePlatform() {}

}  // namespace app

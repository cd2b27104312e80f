// The spinner box and its up-down arrows.
#pragma once

#include <windows.h>

namespace app {

// The arrows follow the box: they stay right beside it, as high as it, and are shown, hidden,
// enabled and disabled with it.
void KeepBesideBox(HWND box, HWND arrows);

}  // namespace app

// Group boxes are the real parents of their controls, but a control notifies only its
// immediate parent: the group box hands its children's notifications on to the window.
#pragma once

#include <windows.h>

namespace app {

void ForwardNotificationsToWindow(HWND group_box, HWND window);

}  // namespace app

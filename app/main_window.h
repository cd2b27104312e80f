// The program's one window: built from its template, and the controls it holds.
#pragma once

#include <windows.h>

#include "app/window_template.h"
#include "names/window_services.h"

namespace app {

// Private messages of the main window.
inline constexpr UINT kServiceCallMessage = WM_APP + 1;  // lParam: a ServiceCall to run

// A unit of work that a worker asks the window thread to carry out.
struct ServiceCall {
    void (*run)(void* context);
    void* context;
    bool done;
};

// Builds the window from the template while it is hidden, raises the created event, then shows
// it centred with the focus in the first control of the focus order. Null when the window
// cannot be created.
HWND LoadMainWindow(const WindowTemplate& window);

// The main window while it exists (any thread), null before and after.
HWND MainWindowHandle();

// The live control, or null when the window's controls are gone. Window thread only.
HWND ControlHandle(names::Control control);
// The up-down arrows beside the spinner box. Window thread only.
HWND SpinnerArrowsHandle();

}  // namespace app

#include <windows.h>

#include "app/startup.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // Ends the process at once: workers still running stop here, before any static clean-up
    // could pull their data away.
    ExitProcess(static_cast<UINT>(app::RunProgram()));
}

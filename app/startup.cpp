#include "app/startup.h"

#include <windows.h>

#include "app/event_wiring.h"
#include "app/main_window.h"
#include "app/message_loop.h"
#include "app/platform_cleanup.h"
#include "app/run_directory.h"
#include "app/window_template.h"
#include "names/fatal_error.h"

namespace app {

int RunProgram() {
    RecordRunDirectory();
    RecordWindowThread();

    const std::optional<WindowTemplate> layout = ReadMainWindowTemplate();
    if (!layout) {
        names::ReportFatalError("无法读取主窗口的模板。");
    }
    const HWND window = LoadMainWindow(*layout);
    if (window == nullptr) {
        names::ReportFatalError("无法创建启动窗口。");
    }
    if (IsWindow(window)) {
        RunMessageLoop();
    }

    StopEventsForGood();
    ReleasePlatform();
    return 0;
}

}  // namespace app

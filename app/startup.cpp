#include "app/startup.h"

#include <windows.h>

#include <objbase.h>

#include "app/event_wiring.h"
#include "app/main_window.h"
#include "app/message_loop.h"
#include "app/platform_cleanup.h"
#include "app/run_directory.h"
#include "app/window_template.h"
#include "names/fatal_error.h"

namespace app {

namespace {

// The shell may hand an address to extensions that need COM on the calling thread.
class ComApartment {
  public:
    ComApartment()
        : initialised_(SUCCEEDED(
              CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment() {
        if (initialised_) {
            CoUninitialize();
        }
    }

  private:
    bool initialised_;
};

}  // namespace

int RunProgram() {
    RecordRunDirectory();
    RecordWindowThread();
    const ComApartment com;

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

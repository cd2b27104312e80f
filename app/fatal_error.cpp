#include <windows.h>

#include "app/event_wiring.h"
#include "names/fatal_error.h"

namespace names {

void ReportFatalError(std::string_view gbk_message) {
    app::StopEventsForGood();
    // Converted without asking for memory: this path also reports that none is left.
    wchar_t message[1024];
    const int length = MultiByteToWideChar(
        936, 0, gbk_message.data(),
        static_cast<int>(gbk_message.size() < 700 ? gbk_message.size() : 700), message, 1023);
    message[length > 0 ? length : 0] = L'\0';
    MessageBoxW(nullptr, message, L"VarneloV1.0 - 错误", MB_OK | MB_ICONSTOP | MB_TASKMODAL);
    // Ending the process stops every worker first and then releases every module it holds,
    // the skin engine among them.
    ExitProcess(static_cast<UINT>(-1));
}

}  // namespace names

#include "app/message_loop.h"

#include <atomic>

#include "names/window_services.h"

namespace app {

namespace {
std::atomic<DWORD> window_thread_id{0};
}  // namespace

void RecordWindowThread() {
    window_thread_id = GetCurrentThreadId();
}

bool IsWindowThread() {
    return GetCurrentThreadId() == window_thread_id;
}

void DispatchQueuedMessage(MSG& message) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void RunMessageLoop() {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchQueuedMessage(message);
    }
}

}  // namespace app

namespace names {

void PumpEvents() {
    // Workers own no windows: there is nothing queued for them.
    if (!app::IsWindowThread()) {
        return;
    }
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) {
        if (message.message == WM_QUIT) {
            return;  // stays queued for the loop
        }
        PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);
        app::DispatchQueuedMessage(message);
    }
}

}  // namespace names

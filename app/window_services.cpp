// The window services for the core. On the window thread they act on the controls directly; a
// worker's call is sent to the window, which carries it out whole while the worker waits.
#include <windows.h>

#include <optional>
#include <type_traits>

#include "app/gbk_convert.h"
#include "app/main_window.h"
#include "app/message_loop.h"
#include "app/worker_exit.h"
#include "names/fatal_error.h"
#include "names/window_services.h"

namespace app {

namespace {

HWND LiveControl(names::Control control) {
    const HWND handle = ControlHandle(control);
    if (handle == nullptr) {
        names::ReportFatalError("窗口或控件未加载。");
    }
    return handle;
}

template <class Work>
void RunCall(void* context) {
    (*static_cast<Work*>(context))();
}

// Runs the work on the window thread and returns its result. A worker whose window is gone
// does not get an answer: it ends quietly instead.
template <class Work>
auto OnWindowThread(Work work) -> std::invoke_result_t<Work&> {
    using Result = std::invoke_result_t<Work&>;
    if (IsWindowThread()) {
        return work();
    }
    const HWND window = MainWindowHandle();
    if (window == nullptr) {
        throw WorkerWindowGone{};
    }
    if constexpr (std::is_void_v<Result>) {
        ServiceCall call{&RunCall<Work>, &work, false};
        SendMessageW(window, kServiceCallMessage, 0, reinterpret_cast<LPARAM>(&call));
        if (!call.done) {
            throw WorkerWindowGone{};
        }
    } else {
        std::optional<Result> result;
        auto produce = [&] { result.emplace(work()); };
        ServiceCall call{&RunCall<decltype(produce)>, &produce, false};
        SendMessageW(window, kServiceCallMessage, 0, reinterpret_cast<LPARAM>(&call));
        if (!call.done) {
            throw WorkerWindowGone{};
        }
        return std::move(*result);
    }
}

names::GbkText ReadText(HWND control) {
    const int length = GetWindowTextLengthW(control);
    if (length <= 0) {
        return {};
    }
    std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(control, wide.data(), length + 1);
    wide.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return FromWide(wide);
}

DWORD WINAPI WorkerEntry(LPVOID routine) {
    try {
        reinterpret_cast<void (*)()>(routine)();
    } catch (const WorkerWindowGone&) {
        // The window closed while the job ran: the job ends here, quietly.
    }
    return 0;
}

}  // namespace

}  // namespace app

namespace names {

int ReadProperty(Control control, Flag flag) {
    return app::OnWindowThread([control, flag]() -> int {
        const HWND handle = app::LiveControl(control);
        if (flag == Flag::kDisabled) {
            return IsWindowEnabled(handle) ? 0 : 1;
        }
        return SendMessageW(handle, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    });
}

GbkText ReadProperty(Control control, TextProperty) {
    return app::OnWindowThread([control] { return app::ReadText(app::LiveControl(control)); });
}

void WriteProperty(Control control, Flag flag, bool value) {
    app::OnWindowThread([control, flag, value] {
        const HWND handle = app::LiveControl(control);
        if (flag == Flag::kDisabled) {
            EnableWindow(handle, value ? FALSE : TRUE);
        } else {
            SendMessageW(handle, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
    });
}

void WriteProperty(Control control, TextProperty, const GbkText& value) {
    app::OnWindowThread([control, &value] {
        const std::wstring wide = app::ToWide(value.view());
        SetWindowTextW(app::LiveControl(control), wide.c_str());
    });
}

void AppendText(Control edit_box, const GbkText& text) {
    const std::wstring wide = app::ToWide(text.view());
    app::OnWindowThread([edit_box, &wide] {
        const HWND box = app::LiveControl(edit_box);
        const int length = GetWindowTextLengthW(box);
        SendMessageW(box, EM_SETSEL, static_cast<WPARAM>(length), length);
        SendMessageW(box, EM_SCROLLCARET, 0, 0);
        SendMessageW(box, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(wide.c_str()));
    });
}

void ShowInfoBox(const GbkText& text) {
    const std::wstring wide = app::ToWide(text.view());
    MessageBoxW(nullptr, wide.c_str(), L"信息：", MB_OK | MB_ICONINFORMATION | MB_TASKMODAL);
}

bool StartWorker(void (*routine)()) {
    const HANDLE thread =
        CreateThread(nullptr, 0, &app::WorkerEntry, reinterpret_cast<LPVOID>(routine), 0, nullptr);
    if (thread == nullptr) {
        return false;
    }
    CloseHandle(thread);
    return true;
}

}  // namespace names

#include "app/main_window.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <memory>

#include "app/event_wiring.h"
#include "app/gbk_convert.h"
#include "app/group_box.h"
#include "app/resource_ids.h"
#include "app/spinner.h"
#include "app/win32_handles.h"
#include "names/fatal_error.h"

namespace app {

namespace {

constexpr wchar_t kMainWindowClass[] = L"VarneloMainWindow";
constexpr DWORD kMainWindowStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

// Per-window data, attached at WM_NCCREATE and freed at WM_NCDESTROY.
struct MainWindowState {
    std::array<HWND, names::kControlCount> controls{};
    HWND spinner_arrows = nullptr;
    bool controls_exist = false;
    // Set once the window is loaded: its destruction then ends the message loop.
    bool quit_on_destroy = false;
};

std::atomic<HWND> main_window{nullptr};
// The state waiting for WM_NCCREATE, which hands it to the window.
std::unique_ptr<MainWindowState> pending_window_state;
// The window's state; used only on the window thread.
MainWindowState* window_state = nullptr;

std::size_t Index(names::Control control) {
    return static_cast<std::size_t>(control);
}

HFONT DefaultGuiFont() {
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

// A single-line box is never lower than one line of its font plus the sunken edge above and
// below it.
int SingleLineEditHeight(HWND window, int template_height) {
    const ScopedWindowDc dc(window);
    const ScopedSelection font(dc.get(), DefaultGuiFont());
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.get(), &metrics);
    const int least = metrics.tmHeight + 2 * GetSystemMetrics(SM_CYEDGE);
    return std::max(template_height, least);
}

struct ControlClass {
    const wchar_t* window_class;
    DWORD style;
    DWORD extended_style;
};

ControlClass ClassOf(const ControlTemplate& control) {
    switch (control.kind) {
        case ControlKind::kGroupBox:
            return {L"BUTTON", BS_GROUPBOX | WS_CLIPCHILDREN, 0};
        case ControlKind::kLabel:
            return {L"STATIC", SS_LEFT | SS_CENTERIMAGE | SS_NOPREFIX, 0};
        case ControlKind::kCheckBox:
            return {L"BUTTON", BS_AUTOCHECKBOX | BS_LEFT | BS_VCENTER | WS_TABSTOP, 0};
        case ControlKind::kPushButton:
            return {L"BUTTON", BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE | WS_TABSTOP,
                    0};
        case ControlKind::kEdit:
            if (control.edit_mode == EditMode::kOutput) {
                return {L"EDIT",
                        ES_LEFT | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL |
                            WS_TABSTOP,
                        WS_EX_CLIENTEDGE};
            }
            return {L"EDIT", ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    }
    return {L"STATIC", 0, 0};
}

HWND CreateControl(HWND window, const MainWindowState& state, const ControlTemplate& control) {
    const HWND parent = control.parent ? state.controls[Index(*control.parent)] : window;
    const ControlClass kind = ClassOf(control);
    int height = control.height;
    if (control.kind == ControlKind::kEdit && control.edit_mode != EditMode::kOutput) {
        height = SingleLineEditHeight(window, height);
    }
    const std::wstring caption = ToWide(control.caption);
    const HWND created = CreateWindowExW(
        kind.extended_style, kind.window_class, caption.c_str(), WS_CHILD | WS_VISIBLE | kind.style,
        control.left, control.top, control.width, height, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(control.name))),
        GetModuleHandleW(nullptr), nullptr);
    if (created == nullptr) {
        return nullptr;
    }
    SendMessageW(created, WM_SETFONT, reinterpret_cast<WPARAM>(DefaultGuiFont()), FALSE);
    if (control.kind == ControlKind::kEdit) {
        // No limit of the box's own: the platform's largest.
        SendMessageW(created, EM_SETLIMITTEXT, 0, 0);
    }
    if (control.kind == ControlKind::kGroupBox) {
        ForwardNotificationsToWindow(created, window);
    }
    return created;
}

HWND CreateSpinnerArrows(HWND box) {
    RECT rect{};
    GetWindowRect(box, &rect);
    const HWND parent = GetParent(box);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
    const HWND arrows =
        CreateWindowExW(0, UPDOWN_CLASSW, nullptr, WS_CHILD | WS_VISIBLE, rect.right, rect.top,
                        kSpinnerWidth, rect.bottom - rect.top, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kSpinnerArrowsId)),
                        GetModuleHandleW(nullptr), nullptr);
    if (arrows != nullptr) {
        SendMessageW(arrows, UDM_SETRANGE32, 2, 4);
        KeepBesideBox(box, arrows);
    }
    return arrows;
}

bool CreateControls(HWND window, MainWindowState& state, const WindowTemplate& layout) {
    for (const ControlTemplate& control : layout.controls) {
        const HWND created = CreateControl(window, state, control);
        if (created == nullptr) {
            return false;
        }
        state.controls[Index(control.name)] = created;
        if (control.edit_mode == EditMode::kSpinner) {
            state.spinner_arrows = CreateSpinnerArrows(created);
            if (state.spinner_arrows == nullptr) {
                return false;
            }
        }
    }
    state.controls_exist = true;
    return true;
}

// The focus order starts with the count box.
constexpr names::Control kFirstFocusedControl = names::Control::编辑框1;

std::optional<names::Control> ControlOfWindow(HWND child) {
    if (window_state == nullptr || child == nullptr) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < window_state->controls.size(); ++i) {
        if (window_state->controls[i] == child) {
            return static_cast<names::Control>(i);
        }
    }
    return std::nullopt;
}

void OnNcCreate() {
    window_state = pending_window_state.release();
}

void OnCommand(WPARAM wparam, LPARAM lparam) {
    const auto control = ControlOfWindow(reinterpret_cast<HWND>(lparam));
    if (control && HIWORD(wparam) == BN_CLICKED) {
        RaiseEvent(*control, Event::kClicked);
    }
}

// Labels and the check box are drawn on the window's face colour; their text stays black.
LRESULT OnControlColorStatic(WPARAM wparam) {
    const auto dc = reinterpret_cast<HDC>(wparam);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_3DFACE));
}

LRESULT OnServiceCall(LPARAM lparam) {
    auto* call = reinterpret_cast<ServiceCall*>(lparam);
    // Once the controls are gone the call is left undone: the worker then ends quietly.
    if (window_state != nullptr && window_state->controls_exist) {
        call->run(call->context);
        call->done = true;
    }
    return 0;
}

void OnDestroy() {
    RaiseEvent(std::nullopt, Event::kWillBeDestroyed);
    if (window_state != nullptr) {
        window_state->controls_exist = false;
        if (window_state->quit_on_destroy) {
            PostQuitMessage(0);
        }
    }
}

void OnNcDestroy() {
    main_window = nullptr;
    delete window_state;
    window_state = nullptr;
}

LRESULT DispatchMainWindowMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_NCCREATE:
            OnNcCreate();
            break;
        case WM_COMMAND:
            OnCommand(wparam, lparam);
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return OnControlColorStatic(wparam);
        case kServiceCallMessage:
            return OnServiceCall(lparam);
        case WM_DESTROY:
            OnDestroy();
            return 0;
        case WM_NCDESTROY:
            OnNcDestroy();
            break;
        default:
            break;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    // No C++ exception may unwind through the system's code.
    try {
        return DispatchMainWindowMessage(window, message, wparam, lparam);
    } catch (...) {
        names::ReportFatalError("程序内部错误。");
    }
}

bool RegisterMainWindowClass() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = &MainWindowProc;
    window_class.hInstance = instance;
    window_class.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kProgramIconId),
                                                       IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                                       GetSystemMetrics(SM_CYICON), LR_SHARED));
    window_class.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kProgramIconId),
                                                         IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                         GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_3DFACE + 1));
    window_class.lpszClassName = kMainWindowClass;
    return RegisterClassExW(&window_class) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// Centred on the primary screen, by integer division.
POINT CentredPosition(int width, int height) {
    return {(GetSystemMetrics(SM_CXSCREEN) - width) / 2,
            (GetSystemMetrics(SM_CYSCREEN) - height) / 2};
}

void EnforceOuterSize(HWND window, const WindowTemplate& layout) {
    RECT rect{};
    GetWindowRect(window, &rect);
    if (rect.right - rect.left != layout.outer_width ||
        rect.bottom - rect.top != layout.outer_height) {
        SetWindowPos(window, nullptr, 0, 0, layout.outer_width, layout.outer_height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

}  // namespace

HWND LoadMainWindow(const WindowTemplate& layout) {
    HoldEvents();
    INITCOMMONCONTROLSEX common_controls{sizeof common_controls, ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&common_controls);
    if (!RegisterMainWindowClass()) {
        return nullptr;
    }
    pending_window_state = std::make_unique<MainWindowState>();
    const POINT position = CentredPosition(layout.outer_width, layout.outer_height);
    const std::wstring title = ToWide(layout.title);
    const HWND window =
        CreateWindowExW(0, kMainWindowClass, title.c_str(), kMainWindowStyle, position.x,
                        position.y, layout.outer_width, layout.outer_height, nullptr, nullptr,
                        GetModuleHandleW(nullptr), nullptr);
    pending_window_state.reset();
    if (window == nullptr || window_state == nullptr) {
        return nullptr;
    }
    main_window = window;
    EnforceOuterSize(window, layout);
    if (!CreateControls(window, *window_state, layout)) {
        DestroyWindow(window);
        return nullptr;
    }
    window_state->quit_on_destroy = true;
    ReleaseEvents();
    RaiseEvent(std::nullopt, Event::kCreated);
    if (IsWindow(window)) {
        ShowWindow(window, SW_SHOWNORMAL);
        UpdateWindow(window);
        SetFocus(ControlHandle(kFirstFocusedControl));
    }
    return window;
}

HWND MainWindowHandle() {
    return main_window;
}

HWND ControlHandle(names::Control control) {
    if (window_state == nullptr || !window_state->controls_exist) {
        return nullptr;
    }
    return window_state->controls[Index(control)];
}

HWND SpinnerArrowsHandle() {
    return window_state != nullptr ? window_state->spinner_arrows : nullptr;
}

}  // namespace app

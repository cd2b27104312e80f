#include "app/group_box.h"

#include <commctrl.h>

namespace app {

namespace {

constexpr UINT_PTR kForwardingSubclassId = 1;

bool IsChildNotification(UINT message) {
    switch (message) {
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_VSCROLL:
        case WM_HSCROLL:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
            return true;
        default:
            return false;
    }
}

// A group box paints only its frame and caption; as a parent window its inside must be filled
// too, with the window's own background.
LRESULT OnEraseBackground(HWND group_box, HDC dc) {
    RECT client{};
    GetClientRect(group_box, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_3DFACE));
    return TRUE;
}

LRESULT CALLBACK GroupBoxProc(HWND group_box, UINT message, WPARAM wparam, LPARAM lparam,
                              UINT_PTR subclass_id, DWORD_PTR window) {
    if (IsChildNotification(message)) {
        return SendMessageW(reinterpret_cast<HWND>(window), message, wparam, lparam);
    }
    if (message == WM_ERASEBKGND) {
        return OnEraseBackground(group_box, reinterpret_cast<HDC>(wparam));
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(group_box, &GroupBoxProc, subclass_id);
    }
    return DefSubclassProc(group_box, message, wparam, lparam);
}

}  // namespace

void ForwardNotificationsToWindow(HWND group_box, HWND window) {
    SetWindowSubclass(group_box, &GroupBoxProc, kForwardingSubclassId,
                      reinterpret_cast<DWORD_PTR>(window));
}

}  // namespace app

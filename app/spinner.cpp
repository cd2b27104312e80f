#include "app/spinner.h"

#include <commctrl.h>

#include "app/window_template.h"

namespace app {

namespace {

constexpr UINT_PTR kFollowSubclassId = 1;

void PlaceArrows(HWND box, HWND arrows) {
    RECT rect{};
    GetWindowRect(box, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(box), reinterpret_cast<POINT*>(&rect), 2);
    // The box's own visibility, not its ancestors': the window may not be shown yet.
    const bool box_visible = (GetWindowLongW(box, GWL_STYLE) & WS_VISIBLE) != 0;
    const UINT visibility = box_visible ? SWP_SHOWWINDOW : SWP_HIDEWINDOW;
    SetWindowPos(arrows, nullptr, rect.right, rect.top, kSpinnerWidth, rect.bottom - rect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | visibility);
}

LRESULT CALLBACK SpinnerBoxProc(HWND box, UINT message, WPARAM wparam, LPARAM lparam,
                                UINT_PTR subclass_id, DWORD_PTR arrows_data) {
    const auto arrows = reinterpret_cast<HWND>(arrows_data);
    switch (message) {
        case WM_WINDOWPOSCHANGED: {
            const LRESULT result = DefSubclassProc(box, message, wparam, lparam);
            PlaceArrows(box, arrows);
            return result;
        }
        case WM_ENABLE:
            EnableWindow(arrows, static_cast<BOOL>(wparam));
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(box, &SpinnerBoxProc, subclass_id);
            break;
        default:
            break;
    }
    return DefSubclassProc(box, message, wparam, lparam);
}

}  // namespace

void KeepBesideBox(HWND box, HWND arrows) {
    SetWindowSubclass(box, &SpinnerBoxProc, kFollowSubclassId, reinterpret_cast<DWORD_PTR>(arrows));
    PlaceArrows(box, arrows);
}

}  // namespace app

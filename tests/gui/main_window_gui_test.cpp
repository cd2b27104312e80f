// The main window as the user first sees it, and the ways it closes.
#include <gtest/gtest.h>

#include <optional>

#include "tests/gui/program_driver.h"

namespace gui_test {
namespace {

using names::Control;

RECT RectInParent(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

TEST(MainWindow, StandsCentredWithItsFixedFrameAndTitle) {
    const ScratchDirectory directory;
    RunningProgram program(directory.path());
    const HWND window = program.window();

    EXPECT_EQ(program.Text(window), L"VarneloV1.0");
    RECT outer{};
    GetWindowRect(window, &outer);
    EXPECT_EQ(outer.right - outer.left, 335);
    EXPECT_EQ(outer.bottom - outer.top, 415);
    EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 335) / 2);
    EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 415) / 2);

    const LONG style = GetWindowLongW(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX) << "no maximise button";
    EXPECT_FALSE(style & WS_THICKFRAME) << "not resizable";
    EXPECT_FALSE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr) << "an owned window has no task-bar button";
    EXPECT_FALSE(IsIconic(window));
    EXPECT_FALSE(IsZoomed(window));

    EXPECT_TRUE(program.WaitForFocus(program.Control(Control::编辑框1)))
        << "the focus starts in the count box";
    EXPECT_EQ(program.CloseAndWait(), 0u);
}

TEST(MainWindow, HoldsTheThirteenControlsOfItsTemplate) {
    struct Expected {
        Control name;
        const wchar_t* window_class;
        std::optional<Control> parent;
        RECT rect;  // left, top, right, bottom in the parent's client area
        const wchar_t* caption;
    };
    const Expected controls[] = {
        {Control::分组框1, L"Button", {}, {8, 8, 320, 112}, L"设置"},
        {Control::标签2, L"Static", Control::分组框1, {17, 17, 56, 41}, L"姓氏："},
        {Control::编辑框3, L"Edit", Control::分组框1, {85, 18, 200, 38}, L""},
        {Control::选择框1, L"Button", Control::分组框1, {204, 16, 300, 40}, L"软件自动随机"},
        {Control::标签3, L"Static", Control::分组框1, {16, 42, 72, 66}, L"姓名长度："},
        {Control::编辑框4, L"Edit", Control::分组框1, {85, 43, 136, 63}, L"2"},
        {Control::标签1, L"Static", Control::分组框1, {16, 71, 80, 95}, L"生成个数："},
        {Control::编辑框1, L"Edit", Control::分组框1, {85, 71, 133, 91}, L""},
        {Control::按钮1, L"Button", Control::分组框1, {222, 59, 294, 88}, L"开始"},
        {Control::分组框2, L"Button", {}, {8, 119, 320, 328}, L"姓名"},
        {Control::编辑框2, L"Edit", Control::分组框2, {8, 17, 304, 201}, L""},
        {Control::分组框3, L"Button", {}, {8, 328, 320, 376}, L"版权"},
        {Control::按钮2,
         L"Button",
         Control::分组框3,
         {16, 16, 304, 40},
         L"欢迎访问Morvak的博客大巴，获取更多免费软件"},
    };
    const ScratchDirectory directory;
    RunningProgram program(directory.path());

    for (const Expected& expected : controls) {
        SCOPED_TRACE(static_cast<int>(expected.name));
        const HWND control = program.Control(expected.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(ClassOf(control), expected.window_class);
        const HWND parent = expected.parent ? program.Control(*expected.parent) : program.window();
        EXPECT_EQ(GetParent(control), parent) << "group boxes are the real parents";
        const RECT rect = RectInParent(control);
        EXPECT_EQ(rect.left, expected.rect.left);
        EXPECT_EQ(rect.top, expected.rect.top);
        EXPECT_EQ(rect.right, expected.rect.right);
        EXPECT_EQ(rect.bottom, expected.rect.bottom);
        EXPECT_EQ(program.Text(control), expected.caption);
        EXPECT_TRUE(IsWindowEnabled(control));
        EXPECT_TRUE(IsWindowVisible(control));
    }

    const LONG output_style = GetWindowLongW(program.Control(Control::编辑框2), GWL_STYLE);
    EXPECT_TRUE(output_style & ES_MULTILINE);
    EXPECT_TRUE(output_style & WS_VSCROLL);
    EXPECT_FALSE(output_style & WS_HSCROLL) << "long lines wrap";
    EXPECT_FALSE(output_style & ES_AUTOHSCROLL) << "long lines wrap";
    EXPECT_FALSE(program.IsChecked(program.Control(Control::选择框1)));

    // The spinner's arrows: 18 pixels wide, as high as the box, right beside it.
    const HWND arrows = program.SpinnerArrows();
    ASSERT_NE(arrows, nullptr);
    EXPECT_EQ(ClassOf(arrows), L"msctls_updown32");
    EXPECT_EQ(GetParent(arrows), program.Control(Control::分组框1));
    const RECT arrows_rect = RectInParent(arrows);
    const RECT box_rect = RectInParent(program.Control(Control::编辑框4));
    EXPECT_EQ(arrows_rect.left, 136);
    EXPECT_EQ(arrows_rect.top, 43);
    EXPECT_EQ(arrows_rect.right - arrows_rect.left, 18);
    EXPECT_EQ(arrows_rect.bottom - arrows_rect.top, box_rect.bottom - box_rect.top);
    EXPECT_TRUE(IsWindowVisible(arrows));

    EXPECT_EQ(program.CloseAndWait(), 0u);
}

// Every way of closing asks the window to close; it closes without a question and the process
// exits with code 0.
TEST(MainWindow, ClosesFromTheSystemMenuAltF4AndTheCloseButton) {
    struct Way {
        const char* name;
        void (*close)(HWND window);
    };
    const Way ways[] = {
        {"system menu Close",
         [](HWND window) { PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0); }},
        {"Alt+F4",
         [](HWND window) {
             BringToForeground(window);
             PressKey(VK_F4, {VK_MENU});
         }},
        {"close button",
         [](HWND window) {
             BringToForeground(window);
             RECT rect{};
             GetWindowRect(window, &rect);
             const int frame = GetSystemMetrics(SM_CXFIXEDFRAME);
             const int button = GetSystemMetrics(SM_CXSIZE);
             ClickAt({rect.right - frame - button / 2 - 1, rect.top +
                                                               GetSystemMetrics(SM_CYFIXEDFRAME) +
                                                               GetSystemMetrics(SM_CYCAPTION) / 2});
         }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        const ScratchDirectory directory;
        RunningProgram program(directory.path());
        way.close(program.window());
        EXPECT_EQ(program.WaitForExit(), 0u);
    }
}

}  // namespace
}  // namespace gui_test

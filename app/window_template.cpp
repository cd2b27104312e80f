#include "app/window_template.h"

#include <array>

namespace app {

namespace {

using names::Control;
using enum ControlKind;
using enum EditMode;

constexpr ControlTemplate kMainWindowControls[] = {
    {Control::分组框1, kGroupBox, {}, 8, 8, 312, 104, "设置", kPlain, false},
    {Control::标签2, kLabel, Control::分组框1, 17, 17, 39, 24, "姓氏：", kPlain, false},
    {Control::编辑框3, kEdit, Control::分组框1, 85, 18, 115, 20, "", kPlain, true},
    {Control::选择框1, kCheckBox, Control::分组框1, 204, 16, 96, 24, "软件自动随机", kPlain, true},
    {Control::标签3, kLabel, Control::分组框1, 16, 42, 56, 24, "姓名长度：", kPlain, false},
    {Control::编辑框4, kEdit, Control::分组框1, 85, 43, 51, 20, "2", kSpinner, true},
    {Control::标签1, kLabel, Control::分组框1, 16, 71, 64, 24, "生成个数：", kPlain, false},
    {Control::编辑框1, kEdit, Control::分组框1, 85, 71, 48, 20, "", kInteger, true},
    {Control::按钮1, kPushButton, Control::分组框1, 222, 59, 72, 29, "开始", kPlain, true},
    {Control::分组框2, kGroupBox, {}, 8, 119, 312, 209, "姓名", kPlain, false},
    {Control::编辑框2, kEdit, Control::分组框2, 8, 17, 296, 184, "", kOutput, true},
    {Control::分组框3, kGroupBox, {}, 8, 328, 312, 48, "版权", kPlain, false},
    {Control::按钮2, kPushButton, Control::分组框3, 16, 16, 288, 24,
     "欢迎访问Morvak的博客大巴，获取更多免费软件", kPlain, true},
};

constexpr WindowTemplate kMainWindow = {
    "VarneloV1.0", 335, 415, 50, 50, kMainWindowControls,
};

}  // namespace

bool IsUsableTemplate(const WindowTemplate& window) {
    if (window.title == nullptr || window.outer_width <= 0 || window.outer_height <= 0 ||
        window.controls.size() != static_cast<std::size_t>(names::kControlCount)) {
        return false;
    }
    std::array<bool, names::kControlCount> seen{};
    for (std::size_t i = 0; i < window.controls.size(); ++i) {
        const ControlTemplate& control = window.controls[i];
        const auto index = static_cast<std::size_t>(control.name);
        if (index != i || control.caption == nullptr || control.width <= 0 || control.height <= 0) {
            return false;
        }
        if (control.parent) {
            const auto parent = static_cast<std::size_t>(*control.parent);
            if (parent >= i || !seen[parent] || window.controls[parent].kind != kGroupBox) {
                return false;
            }
        }
        const bool takes_focus = control.kind != kLabel && control.kind != kGroupBox;
        if (control.focusable != takes_focus) {
            return false;  // labels and group boxes never take the focus, the others do
        }
        seen[index] = true;
    }
    return true;
}

std::optional<WindowTemplate> ReadMainWindowTemplate() {
    if (!IsUsableTemplate(kMainWindow)) {
        return std::nullopt;
    }
    return kMainWindow;
}

}  // namespace app

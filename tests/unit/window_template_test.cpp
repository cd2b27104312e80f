#include <gtest/gtest.h>

#include <vector>

#include "app/window_template.h"

namespace app {
namespace {

using names::Control;

TEST(WindowTemplate, TheMainWindowTemplateIsUsable) {
    const auto layout = ReadMainWindowTemplate();
    ASSERT_TRUE(layout.has_value());
    EXPECT_STREQ(layout->title, "VarneloV1.0");
    EXPECT_EQ(layout->outer_width, 335);
    EXPECT_EQ(layout->outer_height, 415);
    EXPECT_EQ(layout->controls.size(), 13u);
}

TEST(WindowTemplate, InconsistentTemplatesAreRefused) {
    const WindowTemplate good = *ReadMainWindowTemplate();
    struct Case {
        const char* fault;
        void (*spoil)(std::vector<ControlTemplate>& controls, WindowTemplate& window);
    };
    const Case cases[] = {
        {"a control missing",
         [](std::vector<ControlTemplate>& c, WindowTemplate&) { c.pop_back(); }},
        {"two controls swapped",
         [](std::vector<ControlTemplate>& c, WindowTemplate&) { std::swap(c[1], c[2]); }},
        {"a parent that is not a group box",
         [](std::vector<ControlTemplate>& c, WindowTemplate&) { c[2].parent = Control::标签2; }},
        {"a parent listed after its child",
         [](std::vector<ControlTemplate>& c, WindowTemplate&) { c[1].parent = Control::分组框2; }},
        {"a focusable label",
         [](std::vector<ControlTemplate>& c, WindowTemplate&) { c[1].focusable = true; }},
        {"an edit box that takes no focus",
         [](std::vector<ControlTemplate>& c, WindowTemplate&) { c[2].focusable = false; }},
        {"a missing caption",
         [](std::vector<ControlTemplate>& c, WindowTemplate&) { c[0].caption = nullptr; }},
        {"an empty rectangle",
         [](std::vector<ControlTemplate>& c, WindowTemplate&) { c[3].width = 0; }},
        {"no title", [](std::vector<ControlTemplate>&, WindowTemplate& w) { w.title = nullptr; }},
    };
    for (const Case& c : cases) {
        std::vector<ControlTemplate> controls(good.controls.begin(), good.controls.end());
        WindowTemplate window = good;
        c.spoil(controls, window);
        window.controls = controls;
        EXPECT_FALSE(IsUsableTemplate(window)) << c.fault;
    }
}

}  // namespace
}  // namespace app

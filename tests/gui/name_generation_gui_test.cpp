// Making names in the real window: the check at Start, typed and random surnames, several jobs,
// and closing while a job runs.
#include <gtest/gtest.h>

#include <string>

#include "names/surname_table.h"
#include "tests/gui/program_driver.h"

namespace gui_test {
namespace {

using names::Control;

constexpr char kWang[] = "\xCD\xF5";  // 王

struct Inputs {
    std::wstring surname;
    std::wstring length;
    std::wstring count;
};

void Fill(const RunningProgram& program, const Inputs& inputs) {
    program.SetText(program.Control(Control::编辑框3), inputs.surname);
    program.SetText(program.Control(Control::编辑框4), inputs.length);
    program.SetText(program.Control(Control::编辑框1), inputs.count);
}

std::string Output(const RunningProgram& program) {
    return program.TextBytes(program.Control(Control::编辑框2));
}

// Waits until the output box holds exactly `count` names.
bool WaitForNames(const RunningProgram& program, std::size_t count) {
    return WaitUntil([&] {
        const SplitNames split = SplitOutput(Output(program));
        return split.ends_with_comma && split.names.size() == count;
    });
}

bool IsTableSurname(const std::string& character) {
    const std::string_view table = names::SurnameTable().view();
    for (std::size_t i = 0; i + 1 < table.size(); i += 2) {
        if (table.substr(i, 2) == character)
            return true;
    }
    return false;
}

TEST(NameGeneration, StartRefusesAnEmptyBoxWithTheInformationBox) {
    const Inputs cases[] = {
        {L"王", L"", L"10"},  // length empty
        {L"王", L"3", L""},   // count empty
        {L"", L"3", L"10"},   // surname empty
    };
    const ScratchDirectory directory;
    RunningProgram program(directory.path());
    for (const Inputs& inputs : cases) {
        Fill(program, inputs);
        program.PressButton(program.Control(Control::按钮1));
        const auto box = program.WaitForMessageBox();
        ASSERT_TRUE(box.has_value());
        EXPECT_EQ(box->title, L"信息：");
        EXPECT_EQ(box->text, L"请先完善信息");
        EXPECT_FALSE(IsWindowEnabled(program.window())) << "the box is modal for the window";
        EXPECT_TRUE(program.DismissMessageBox(*box));
        EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(program.window()) != FALSE; }));
        EXPECT_EQ(Output(program), "") << "no job started";
    }
    EXPECT_EQ(program.CloseAndWait(), 0u);
}

TEST(NameGeneration, TypedSurnameGivesExactlyTheRequestedNames) {
    const ScratchDirectory directory;
    RunningProgram program(directory.path());
    Fill(program, {L"王", L"3", L"10"});
    program.PressButton(program.Control(Control::按钮1));
    ASSERT_TRUE(WaitForNames(program, 10)) << "got: " << Output(program).size() << " bytes";

    const std::string output = Output(program);
    EXPECT_EQ(output.size(), 80u) << "ten names of three characters and a comma";
    for (const std::string& name : SplitOutput(output).names) {
        ASSERT_EQ(name.size(), 6u);
        EXPECT_EQ(name.substr(0, 2), kWang);
        EXPECT_TRUE(IsGivenNameCharacter(name.substr(2, 2)));
        EXPECT_TRUE(IsGivenNameCharacter(name.substr(4, 2)));
    }
    EXPECT_EQ(program.CloseAndWait(), 0u);
}

TEST(NameGeneration, AutoRandomDisablesTheSurnameBoxAndDrawsFromTheTable) {
    const ScratchDirectory directory;
    RunningProgram program(directory.path());
    const HWND surname_box = program.Control(Control::编辑框3);
    program.PressButton(program.Control(Control::选择框1));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowEnabled(surname_box); }));
    EXPECT_EQ(program.Text(surname_box), L" ");

    program.SetText(program.Control(Control::编辑框4), L"2");
    program.SetText(program.Control(Control::编辑框1), L"30");
    program.PressButton(program.Control(Control::按钮1));
    ASSERT_TRUE(WaitForNames(program, 30));
    for (const std::string& name : SplitOutput(Output(program)).names) {
        ASSERT_EQ(name.size(), 4u);
        EXPECT_TRUE(IsTableSurname(name.substr(0, 2)));
        EXPECT_TRUE(IsGivenNameCharacter(name.substr(2, 2)));
    }

    // Unticked again: the box is editable and keeps its space, which becomes the surname.
    program.PressButton(program.Control(Control::选择框1));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(surname_box) != FALSE; }));
    EXPECT_EQ(program.Text(surname_box), L" ");
    program.SetText(program.Control(Control::编辑框2), L"");
    program.SetText(program.Control(Control::编辑框1), L"5");
    program.PressButton(program.Control(Control::按钮1));
    ASSERT_TRUE(WaitForNames(program, 5));
    for (const std::string& name : SplitOutput(Output(program)).names) {
        ASSERT_EQ(name.size(), 3u);
        EXPECT_EQ(name[0], ' ');
        EXPECT_TRUE(IsGivenNameCharacter(name.substr(1, 2)));
    }
    EXPECT_EQ(program.CloseAndWait(), 0u);
}

TEST(NameGeneration, TwoStartsGiveBothJobsNamesWhole) {
    const ScratchDirectory directory;
    RunningProgram program(directory.path());
    Fill(program, {L"王", L"2", L"3"});
    program.PressButton(program.Control(Control::按钮1));
    program.PressButton(program.Control(Control::按钮1));
    ASSERT_TRUE(WaitForNames(program, 6));
    for (const std::string& name : SplitOutput(Output(program)).names) {
        ASSERT_EQ(name.size(), 4u) << "every name arrives whole";
        EXPECT_EQ(name.substr(0, 2), kWang);
        EXPECT_TRUE(IsGivenNameCharacter(name.substr(2, 2)));
    }
    EXPECT_EQ(program.CloseAndWait(), 0u);
}

TEST(NameGeneration, ClosingDuringAnEndlessJobExitsQuietlyWithCodeZero) {
    const ScratchDirectory directory;
    RunningProgram program(directory.path());
    program.PressButton(program.Control(Control::选择框1));
    program.SetText(program.Control(Control::编辑框4), L"3");
    program.SetText(program.Control(Control::编辑框1), L"2147483647");
    program.PressButton(program.Control(Control::按钮1));
    ASSERT_TRUE(WaitUntil([&] { return SplitOutput(Output(program)).names.size() >= 20; }));
    EXPECT_EQ(program.CloseAndWait(5s), 0u);
    for (const MessageBoxSeen& box : program.MessageBoxes()) {
        ADD_FAILURE() << "unexpected box left: " << box.title.size();
    }
}

}  // namespace
}  // namespace gui_test

// Saving the output box to 姓名.txt when the window closes, from every kind of directory, and
// what the user is told when it cannot be saved; and the author link.
#include <gtest/gtest.h>

#include <string>

#include "tests/gui/program_driver.h"

namespace gui_test {
namespace {

using names::Control;

constexpr wchar_t kSavedMessage[] = L"生成的姓名已保存在软件根目录";
const std::string kOneName = "\xCD\xF5\xB0\xA1\xA3\xAC";  // 王啊，

// Closes the window, checks the information box that follows, presses OK and waits for the
// exit code 0. Returns the box's text.
std::wstring CloseAndReadTheMessage(RunningProgram& program) {
    PostMessageW(program.window(), WM_CLOSE, 0, 0);
    const auto box = program.WaitForMessageBox();
    if (!box) {
        ADD_FAILURE() << "no message box after closing";
        return {};
    }
    EXPECT_EQ(box->title, L"信息：");
    EXPECT_FALSE(IsWindowVisible(program.window())) << "the window is gone from the screen";
    program.DismissMessageBox(*box);
    EXPECT_EQ(program.WaitForExit(), 0u);
    return box->text;
}

TEST(SaveNames, AnEmptyBoxGivesAnEmptyFileAndTheMessage) {
    const ScratchDirectory directory;
    RunningProgram program(directory.path());
    EXPECT_EQ(CloseAndReadTheMessage(program), kSavedMessage);
    EXPECT_EQ(ReadWholeFile(directory.File(L"姓名.txt")), std::string());
}

TEST(SaveNames, TheNamesOfAJobReplaceAnOlderLongerFileWhole) {
    const ScratchDirectory directory;
    WriteWholeFileForTest(directory.File(L"姓名.txt"), std::string(200, 'x'));
    RunningProgram program(directory.path());
    program.SetText(program.Control(Control::编辑框3), L"王");
    program.SetText(program.Control(Control::编辑框4), L"2");
    program.SetText(program.Control(Control::编辑框1), L"2");
    program.PressButton(program.Control(Control::按钮1));
    const HWND output = program.Control(Control::编辑框2);
    ASSERT_TRUE(
        WaitUntil([&] { return SplitOutput(program.TextBytes(output)).names.size() == 2; }));
    const std::string shown = program.TextBytes(output);

    EXPECT_EQ(CloseAndReadTheMessage(program), kSavedMessage);
    const auto saved = ReadWholeFile(directory.File(L"姓名.txt"));
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(saved->size(), 12u) << "two names of two characters and their commas, nothing else";
    EXPECT_EQ(*saved, shown);
    EXPECT_EQ(saved->substr(10), "\xA3\xAC");
}

TEST(SaveNames, ALineBreakTypedIntoTheBoxIsStoredAsCrLf) {
    const ScratchDirectory directory;
    RunningProgram program(directory.path());
    const HWND output = program.Control(Control::编辑框2);
    BringToForeground(program.window());
    ClickAt(CentreOf(output));
    ASSERT_TRUE(program.WaitForFocus(output));
    TypeText(L"a");
    PressKey(VK_RETURN);
    TypeText(L"b");
    ASSERT_TRUE(WaitUntil([&] { return program.Text(output) == L"a\r\nb"; }));
    EXPECT_EQ(CloseAndReadTheMessage(program), kSavedMessage);
    EXPECT_EQ(ReadWholeFile(directory.File(L"姓名.txt")), std::string("a\r\nb"));
}

// The names cannot be written: the user is told where and why, the earlier file is intact, no
// temporary file is left behind, and the program still ends normally.
TEST(SaveNames, AFailedSaveIsReportedAndKeepsTheOldFile) {
    struct Case {
        const char* fault;
        void (*arrange)(const std::wstring& file, HANDLE& holder);
    };
    const Case cases[] = {
        {"a read-only names file",
         [](const std::wstring& file, HANDLE&) {
             SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY);
         }},
        {"the names file held open by another program without sharing",
         [](const std::wstring& file, HANDLE& holder) {
             holder =
                 CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        const ScratchDirectory directory;
        const std::wstring file = directory.File(L"姓名.txt");
        WriteWholeFileForTest(file, "old names");
        HANDLE holder = INVALID_HANDLE_VALUE;
        c.arrange(file, holder);
        RunningProgram program(directory.path());
        program.SetText(program.Control(Control::编辑框2), L"王啊，");
        const std::wstring message = CloseAndReadTheMessage(program);
        EXPECT_NE(message, kSavedMessage);
        EXPECT_NE(message.find(L"未能保存"), std::wstring::npos);
        EXPECT_NE(message.find(file), std::wstring::npos) << "the message names the whole path";
        if (holder != INVALID_HANDLE_VALUE)
            CloseHandle(holder);
        SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ(ReadWholeFile(file), std::string("old names"));
        EXPECT_EQ(DirectoryEntries(directory.path()),
                  (std::vector<std::wstring>{L"Varnelo.exe", L"姓名.txt"}));
    }
}

// The file lands beside the executable wherever it starts from.
TEST(SaveNames, EveryDirectoryReceivesItsNamesFile) {
    struct Case {
        const char* kind;
        std::wstring suffix;
    };
    const Case cases[] = {
        {"a name ending in a character whose trail byte is a backslash", L"-淺"},
        {"a character outside GBK", L"-한국"},
        {"a path longer than 260 bytes in GBK", L"-" + std::wstring(120, L'长')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        const ScratchDirectory directory(c.suffix);
        RunningProgram program(directory.path());
        program.SetText(program.Control(Control::编辑框2), L"王啊，");
        EXPECT_EQ(CloseAndReadTheMessage(program), kSavedMessage);
        EXPECT_EQ(ReadWholeFile(directory.File(L"姓名.txt")), kOneName);
    }
}

// The test prefix maps the drive R: onto an empty directory of its own (scripts/lib/wine-env.sh).
TEST(SaveNames, TheRootOfADriveReceivesItsNamesFile) {
    ASSERT_NE(GetFileAttributesW(L"R:\\"), INVALID_FILE_ATTRIBUTES)
        << "the test drive R: is missing";
    {
        RunningProgram program(L"R:");
        program.SetText(program.Control(Control::编辑框2), L"王啊，");
        EXPECT_EQ(CloseAndReadTheMessage(program), kSavedMessage);
    }
    EXPECT_EQ(ReadWholeFile(L"R:\\姓名.txt"), kOneName);
    DeleteFileW(L"R:\\姓名.txt");
    DeleteFileW(L"R:\\Varnelo.exe");
}

// A recording handler for https addresses, registered for the duration of the test in place of
// the prefix's own (Wine's shell looks the handler up in the machine's classes).
class RecordingBrowser {
  public:
    explicit RecordingBrowser(const std::wstring& log) {
        SetEnvironmentVariableW(L"VARNELO_URL_LOG", log.c_str());
        wchar_t previous[1024] = {};
        DWORD size = sizeof previous;
        if (RegGetValueW(HKEY_LOCAL_MACHINE, kKey, nullptr, RRF_RT_REG_SZ, nullptr, previous,
                         &size) == ERROR_SUCCESS) {
            previous_ = previous;
        }
        const std::wstring command =
            L"\"" + PathFromEnvironment(L"VARNELO_URL_RECORDER") + L"\" \"%1\"";
        Set(command);
    }
    RecordingBrowser(const RecordingBrowser&) = delete;
    RecordingBrowser& operator=(const RecordingBrowser&) = delete;
    ~RecordingBrowser() {
        Set(previous_);
        SetEnvironmentVariableW(L"VARNELO_URL_LOG", nullptr);
    }

  private:
    static constexpr wchar_t kKey[] = L"Software\\Classes\\https\\shell\\open\\command";
    static void Set(const std::wstring& command) {
        RegSetKeyValueW(HKEY_LOCAL_MACHINE, kKey, nullptr, REG_SZ, command.c_str(),
                        static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
    }
    std::wstring previous_;
};

TEST(AuthorLink, EachClickAsksTheShellOnceToOpenTheAuthorsPage) {
    const ScratchDirectory directory;
    const std::wstring log = directory.File(L"opened.txt");
    const RecordingBrowser browser(log);
    RunningProgram program(directory.path());
    RECT before{};
    GetWindowRect(program.window(), &before);

    program.PressButton(program.Control(Control::按钮2));
    program.PressButton(program.Control(Control::按钮2));
    const std::string expected = "https://morvak.example.com/\nhttps://morvak.example.com/\n";
    EXPECT_TRUE(WaitUntil([&] { return ReadWholeFile(log) == expected; }))
        << ReadWholeFile(log).value_or("<no log>");

    RECT after{};
    GetWindowRect(program.window(), &after);
    EXPECT_TRUE(EqualRect(&before, &after)) << "the window stays as it was";
    EXPECT_TRUE(IsWindowVisible(program.window()));
    EXPECT_TRUE(program.MessageBoxes().empty());
    EXPECT_EQ(CloseAndReadTheMessage(program), kSavedMessage);
}

}  // namespace
}  // namespace gui_test

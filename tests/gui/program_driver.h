// Drives the real program as a user would: starts the exe from a fresh directory of its own,
// finds its window and controls, reads and writes them through window messages, sends real
// keyboard and mouse input, answers its message boxes, and waits for it to end. Every wait polls
// with a deadline.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "names/window_services.h"

namespace gui_test {

using namespace std::chrono_literals;
using Milliseconds = std::chrono::milliseconds;

inline constexpr Milliseconds kDefaultDeadline = 20s;

// Polls the condition until it holds or the deadline passes; answers whether it held.
bool WaitUntil(const std::function<bool()>& condition, Milliseconds deadline = kDefaultDeadline);

// A fresh, empty directory under the temporary folder, removed with everything in it when the
// value goes.
class ScratchDirectory {
  public:
    explicit ScratchDirectory(const std::wstring& name_suffix = L"");
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;
    ~ScratchDirectory();
    const std::wstring& path() const { return path_; }
    std::wstring File(const std::wstring& name) const { return path_ + L"\\" + name; }

  private:
    std::wstring path_;
};

// The full Windows path of a file that an environment variable names (ctest passes Unix paths,
// which Wine resolves on the drive of the current directory).
std::wstring PathFromEnvironment(const wchar_t* variable);
// The exe under test, named by the environment variable VARNELO_EXE.
std::wstring ProgramUnderTest();

// The bytes of a file, or empty when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::wstring& path);
void WriteWholeFileForTest(const std::wstring& path, const std::string& bytes);
// The names of the entries in a directory, without "." and "..".
std::vector<std::wstring> DirectoryEntries(const std::wstring& directory);

struct MessageBoxSeen {
    HWND box = nullptr;
    std::wstring title;
    std::wstring text;
};

class RunningProgram {
  public:
    // Copies the exe into `directory` and starts it there, with the current directory set
    // elsewhere, then waits for its main window to be shown.
    explicit RunningProgram(const std::wstring& directory);
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;
    // A program still running at the end of a test is ended by force.
    ~RunningProgram();

    HWND window() const { return window_; }
    DWORD process_id() const { return process_.dwProcessId; }
    HANDLE process_handle() const { return process_.hProcess; }
    const std::wstring& exe_path() const { return exe_path_; }

    HWND Control(names::Control control) const;
    HWND SpinnerArrows() const;

    // The text of a control or window, read with WM_GETTEXT (works across processes).
    std::wstring Text(HWND control) const;
    // The text converted to GBK bytes, as the program holds it.
    std::string TextBytes(HWND control) const;
    void SetText(HWND control, const std::wstring& text) const;
    bool IsChecked(HWND check_box) const;
    // Presses a button without moving the mouse; returns at once even if it opens a modal box.
    void PressButton(HWND button) const;

    // Message boxes (class #32770) of the program that are up right now.
    std::vector<MessageBoxSeen> MessageBoxes() const;
    std::optional<MessageBoxSeen> WaitForMessageBox(Milliseconds deadline = kDefaultDeadline) const;
    // Presses OK in the box and waits for it to go.
    bool DismissMessageBox(const MessageBoxSeen& box) const;

    // The control that has the keyboard focus in the program's window thread.
    HWND FocusedControl() const;
    bool WaitForFocus(HWND control, Milliseconds deadline = kDefaultDeadline) const;

    // Asks the window to close as the close button does, presses OK on every message box that
    // appears on the way out, and waits for the process to end. Empty when it did not end.
    std::optional<DWORD> CloseAndWait(Milliseconds deadline = kDefaultDeadline);
    // Waits for the process to end, pressing OK on message boxes meanwhile when asked to.
    std::optional<DWORD> WaitForExit(Milliseconds deadline = kDefaultDeadline,
                                     bool dismiss_boxes = true);
    bool HasExited() const;

  private:
    std::wstring exe_path_;
    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
};

// Real input, through SendInput.
void BringToForeground(HWND window);
void PressKey(WORD virtual_key, std::initializer_list<WORD> modifiers = {});
void TypeText(const std::wstring& text);
void ClickAt(POINT screen_point);
// The centre of a window on the screen.
POINT CentreOf(HWND window);

// The names in an output text: the pieces before each "，", and whether the text ends with one.
struct SplitNames {
    std::vector<std::string> names;  // GBK bytes of each name without its comma
    bool ends_with_comma = false;
};
SplitNames SplitOutput(const std::string& gbk_bytes);

// Whether the bytes are one GB2312 hanzi of the given-name range (both bytes 0xB0..0xDA).
bool IsGivenNameCharacter(const std::string& two_bytes);

}  // namespace gui_test

#include "tests/gui/program_driver.h"

#include <atomic>
#include <stdexcept>
#include <thread>

#include "app/window_template.h"

namespace gui_test {

namespace {

constexpr Milliseconds kPollInterval = 10ms;
constexpr UINT kMessageTimeoutMs = 5000;

std::wstring ClassName(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring TextOf(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kMessageTimeoutMs,
                             &length)) {
        return {};
    }
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, kMessageTimeoutMs, &copied)) {
        return {};
    }
    text.resize(copied);
    return text;
}

struct WindowsOfProcess {
    DWORD process_id;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindowOfProcess(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<WindowsOfProcess*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->process_id && IsWindowVisible(window)) {
        search->found.push_back(window);
    }
    return TRUE;
}

std::vector<HWND> TopLevelWindowsOf(DWORD process_id) {
    WindowsOfProcess search{process_id, {}};
    EnumWindows(&CollectWindowOfProcess, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

struct ChildWithId {
    int id;
    HWND found;
};

BOOL CALLBACK FindChildWithId(HWND child, LPARAM context) {
    auto* search = reinterpret_cast<ChildWithId*>(context);
    if (GetDlgCtrlID(child) == search->id) {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}

HWND DescendantWithId(HWND window, int id) {
    ChildWithId search{id, nullptr};
    EnumChildWindows(window, &FindChildWithId, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The message of a message box is its static control with text (the icon is one without).
BOOL CALLBACK FindMessageText(HWND child, LPARAM context) {
    auto* box = reinterpret_cast<MessageBoxSeen*>(context);
    if (ClassName(child) == L"Static") {
        std::wstring text = TextOf(child);
        if (!text.empty()) {
            box->text = std::move(text);
            return FALSE;
        }
    }
    return TRUE;
}

void RemoveTree(const std::wstring& path) {
    WIN32_FIND_DATAW entry{};
    const HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..") {
                continue;
            }
            const std::wstring child = path + L"\\" + name;
            SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(child);
            } else {
                DeleteFileW(child.c_str());
            }
        } while (FindNextFileW(search, &entry));
        FindClose(search);
    }
    RemoveDirectoryW(path.c_str());
}

void SendInputs(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

INPUT KeyInput(WORD virtual_key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtual_key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, Milliseconds deadline) {
    const auto end = std::chrono::steady_clock::now() + deadline;
    for (;;) {
        if (condition()) {
            return true;
        }
        if (std::chrono::steady_clock::now() >= end) {
            return false;
        }
        std::this_thread::sleep_for(kPollInterval);
    }
}

ScratchDirectory::ScratchDirectory(const std::wstring& name_suffix) {
    static std::atomic<int> counter{0};
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    path_ = std::wstring(temp) + L"varnelo-gui-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(++counter) + name_suffix;
    RemoveTree(path_);
    if (!CreateDirectoryW(path_.c_str(), nullptr)) {
        throw std::runtime_error("cannot create the scratch directory");
    }
}

ScratchDirectory::~ScratchDirectory() {
    RemoveTree(path_);
}

std::wstring PathFromEnvironment(const wchar_t* variable) {
    wchar_t path[MAX_PATH * 2] = {};
    GetEnvironmentVariableW(variable, path, MAX_PATH * 2);
    wchar_t full[MAX_PATH * 2] = {};
    GetFullPathNameW(path, MAX_PATH * 2, full, nullptr);
    return full;
}

std::wstring ProgramUnderTest() {
    return PathFromEnvironment(L"VARNELO_EXE");
}

std::optional<std::string> ReadWholeFile(const std::wstring& path) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    std::string bytes;
    char buffer[65536];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
        bytes.append(buffer, read);
    }
    CloseHandle(file);
    return bytes;
}

void WriteWholeFileForTest(const std::wstring& path, const std::string& bytes) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        throw std::runtime_error("cannot write a test file");
    }
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

std::vector<std::wstring> DirectoryEntries(const std::wstring& directory) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW entry{};
    const HANDLE search = FindFirstFileW((directory + L"\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = entry.cFileName;
            if (name != L"." && name != L"..") {
                names.push_back(name);
            }
        } while (FindNextFileW(search, &entry));
        FindClose(search);
    }
    return names;
}

RunningProgram::RunningProgram(const std::wstring& directory)
    : exe_path_(directory + L"\\Varnelo.exe") {
    if (!CopyFileW(ProgramUnderTest().c_str(), exe_path_.c_str(), FALSE)) {
        throw std::runtime_error("cannot copy the program into its directory");
    }
    // Start it from elsewhere: the program must find its own directory by itself.
    wchar_t elsewhere[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, elsewhere);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring command_line = L"\"" + exe_path_ + L"\"";
    if (!CreateProcessW(exe_path_.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        elsewhere, &startup, &process_)) {
        throw std::runtime_error("cannot start the program");
    }
    WaitUntil([this] {
        for (HWND window : TopLevelWindowsOf(process_.dwProcessId)) {
            if (ClassName(window) == L"VarneloMainWindow") {
                window_ = window;
                return true;
            }
        }
        return HasExited();
    });
    if (window_ == nullptr) {
        throw std::runtime_error("the program showed no main window");
    }
}

RunningProgram::~RunningProgram() {
    if (!HasExited()) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 10000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

HWND RunningProgram::Control(names::Control control) const {
    return DescendantWithId(window_, app::ControlId(control));
}

HWND RunningProgram::SpinnerArrows() const {
    return DescendantWithId(window_, app::kSpinnerArrowsId);
}

std::wstring RunningProgram::Text(HWND control) const {
    return TextOf(control);
}

std::string RunningProgram::TextBytes(HWND control) const {
    const std::wstring wide = TextOf(control);
    if (wide.empty()) {
        return {};
    }
    const int length = WideCharToMultiByte(936, 0, wide.data(), static_cast<int>(wide.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(936, 0, wide.data(), static_cast<int>(wide.size()), bytes.data(), length,
                        nullptr, nullptr);
    return bytes;
}

void RunningProgram::SetText(HWND control, const std::wstring& text) const {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                        SMTO_ABORTIFHUNG, kMessageTimeoutMs, &ignored);
}

bool RunningProgram::IsChecked(HWND check_box) const {
    DWORD_PTR state = 0;
    SendMessageTimeoutW(check_box, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, kMessageTimeoutMs, &state);
    return state == BST_CHECKED;
}

void RunningProgram::PressButton(HWND button) const {
    PostMessageW(button, BM_CLICK, 0, 0);
}

std::vector<MessageBoxSeen> RunningProgram::MessageBoxes() const {
    std::vector<MessageBoxSeen> boxes;
    for (HWND window : TopLevelWindowsOf(process_.dwProcessId)) {
        if (ClassName(window) != L"#32770") {
            continue;
        }
        MessageBoxSeen seen{window, TextOf(window), {}};
        EnumChildWindows(window, &FindMessageText, reinterpret_cast<LPARAM>(&seen));
        boxes.push_back(seen);
    }
    return boxes;
}

std::optional<MessageBoxSeen> RunningProgram::WaitForMessageBox(Milliseconds deadline) const {
    std::optional<MessageBoxSeen> found;
    WaitUntil(
        [&] {
            const auto boxes = MessageBoxes();
            // A box is complete once its text control exists.
            if (!boxes.empty() && !boxes.front().text.empty()) {
                found = boxes.front();
                return true;
            }
            return false;
        },
        deadline);
    return found;
}

bool RunningProgram::DismissMessageBox(const MessageBoxSeen& box) const {
    const HWND ok = GetDlgItem(box.box, IDOK);
    PostMessageW(ok != nullptr ? ok : box.box, ok != nullptr ? BM_CLICK : WM_CLOSE, 0, 0);
    return WaitUntil([&] { return !IsWindow(box.box) || !IsWindowVisible(box.box); });
}

HWND RunningProgram::FocusedControl() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window_, nullptr), &info)) {
        return nullptr;
    }
    return info.hwndFocus;
}

bool RunningProgram::WaitForFocus(HWND control, Milliseconds deadline) const {
    return WaitUntil([&] { return FocusedControl() == control; }, deadline);
}

std::optional<DWORD> RunningProgram::CloseAndWait(Milliseconds deadline) {
    PostMessageW(window_, WM_CLOSE, 0, 0);
    return WaitForExit(deadline);
}

std::optional<DWORD> RunningProgram::WaitForExit(Milliseconds deadline, bool dismiss_boxes) {
    const bool ended = WaitUntil(
        [&] {
            if (HasExited()) {
                return true;
            }
            if (dismiss_boxes) {
                for (const MessageBoxSeen& box : MessageBoxes()) {
                    DismissMessageBox(box);
                }
            }
            return false;
        },
        deadline);
    if (!ended) {
        return std::nullopt;
    }
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

bool RunningProgram::HasExited() const {
    return WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0;
}

void BringToForeground(HWND window) {
    WaitUntil([window] {
        SetForegroundWindow(window);
        return GetForegroundWindow() == window;
    });
}

void PressKey(WORD virtual_key, std::initializer_list<WORD> modifiers) {
    std::vector<INPUT> inputs;
    for (WORD modifier : modifiers)
        inputs.push_back(KeyInput(modifier, false));
    inputs.push_back(KeyInput(virtual_key, false));
    inputs.push_back(KeyInput(virtual_key, true));
    for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it) {
        inputs.push_back(KeyInput(*it, true));
    }
    SendInputs(inputs);
}

void TypeText(const std::wstring& text) {
    std::vector<INPUT> inputs;
    for (wchar_t character : text) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wScan = character;
        input.ki.dwFlags = KEYEVENTF_UNICODE;
        inputs.push_back(input);
        input.ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    SendInputs(inputs);
}

void ClickAt(POINT screen_point) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = static_cast<LONG>((screen_point.x * 65536LL + width / 2) / width);
    move.mi.dy = static_cast<LONG>((screen_point.y * 65536LL + height / 2) / height);
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    INPUT down = move;
    down.mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
    INPUT up = move;
    up.mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
    SendInputs({move, down, up});
}

POINT CentreOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

SplitNames SplitOutput(const std::string& bytes) {
    SplitNames split;
    std::string current;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        const std::size_t width = byte >= 0x80 && i + 1 < bytes.size() ? 2 : 1;
        const std::string character = bytes.substr(i, width);
        i += width;
        if (character == "\xA3\xAC") {  // ，
            split.names.push_back(current);
            current.clear();
        } else {
            current += character;
        }
    }
    split.ends_with_comma = current.empty() && !split.names.empty();
    if (!current.empty()) {
        split.names.push_back(current);
    }
    return split;
}

bool IsGivenNameCharacter(const std::string& two_bytes) {
    if (two_bytes.size() != 2) {
        return false;
    }
    for (char byte : two_bytes) {
        const auto value = static_cast<unsigned char>(byte);
        if (value < 0xB0 || value > 0xDA) {
            return false;
        }
    }
    return true;
}

}  // namespace gui_test

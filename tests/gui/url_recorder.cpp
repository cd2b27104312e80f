// Stands in for the browser in the GUI tests: registered as the handler of https addresses, it
// appends the address it was asked to open, one per line, to the file that VARNELO_URL_LOG names.
#include <windows.h>

#include <string>

int wmain(int argc, wchar_t** argv) {
    wchar_t log_path[MAX_PATH * 2] = {};
    if (argc < 2 || GetEnvironmentVariableW(L"VARNELO_URL_LOG", log_path, MAX_PATH * 2) == 0) {
        return 1;
    }
    std::wstring line = std::wstring(argv[1]) + L"\n";
    const int length = WideCharToMultiByte(CP_UTF8, 0, line.data(), static_cast<int>(line.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.data(), static_cast<int>(line.size()), bytes.data(),
                        length, nullptr, nullptr);
    // Several recorders may run at once: each appends its whole line in one write.
    const HANDLE log = CreateFileW(log_path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                   nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (log == INVALID_HANDLE_VALUE) {
        return 1;
    }
    DWORD written = 0;
    WriteFile(log, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(log);
    return 0;
}

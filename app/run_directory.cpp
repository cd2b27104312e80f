#include "app/run_directory.h"

#include <windows.h>

#include "app/gbk_convert.h"

namespace app {

namespace {

names::GbkText recorded_directory;

// The full path of the executable, however long it is.
std::wstring ModulePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace

std::wstring DirectoryOfPath(std::wstring_view path) {
    const std::size_t separator = path.rfind(L'\\');
    return std::wstring(separator == std::wstring_view::npos ? path : path.substr(0, separator));
}

void RecordRunDirectory() {
    std::wstring directory = DirectoryOfPath(ModulePath());
    recorded_directory = FromWidePath(directory);
    // "C:" alone names the drive's current directory; the root is meant.
    if (directory.size() == 2 && directory[1] == L':') {
        directory += L'\\';
    }
    SetCurrentDirectoryW(directory.c_str());
}

names::GbkText RunDirectory() {
    return recorded_directory;
}

}  // namespace app

#include "app/file_services.h"

#include <algorithm>
#include <atomic>

#include "app/gbk_convert.h"
#include "app/win32_handles.h"

namespace app {

namespace {

BOOL WriteToFile(HANDLE file, const void* bytes, DWORD size, DWORD* written) {
    return WriteFile(file, bytes, size, written, nullptr);
}

WriteFileFunction write_file = &WriteToFile;

// A briefly held target (a virus scanner, an indexer) is waited for this often, this long apart:
// well under a second in all.
constexpr int kReplaceAttempts = 10;
constexpr DWORD kReplaceRetryDelayMs = 40;

// Writes are issued in pieces of at most this size.
constexpr std::size_t kLargestWrite = 1u << 20;

bool IsTransientSharingError(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
           error == ERROR_ACCESS_DENIED;
}

// Every byte of the part, however many calls it takes. A call that reports success having
// written nothing means the disk is full.
bool WriteAll(HANDLE file, ByteSpan part) {
    while (!part.empty()) {
        const DWORD request = static_cast<DWORD>(std::min(part.size(), kLargestWrite));
        DWORD written = 0;
        if (!write_file(file, part.data(), request, &written)) {
            return false;
        }
        if (written == 0 || written > request) {
            SetLastError(ERROR_DISK_FULL);
            return false;
        }
        part = part.subspan(written);
    }
    return true;
}

// An exclusive, new file beside the target whose name no other writer uses.
struct TemporaryFile {
    std::wstring path;
    UniqueFileHandle handle;
};

TemporaryFile CreateTemporaryBeside(const std::wstring& target) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        TemporaryFile temporary;
        temporary.path = target + L"." + std::to_wstring(GetCurrentProcessId()) + L"-" +
                         std::to_wstring(++counter) + L".tmp";
        temporary.handle.reset(CreateFileW(temporary.path.c_str(), GENERIC_WRITE, 0, nullptr,
                                           CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (temporary.handle || GetLastError() != ERROR_FILE_EXISTS) {
            return temporary;
        }
    }
    return {};
}

// Windows refuses to replace a file that another program holds open without sharing deletion;
// some file systems and emulations would not, so ask the same question explicitly.
bool TargetIsHeldOpen(const std::wstring& target) {
    const UniqueFileHandle probe(CreateFileW(target.c_str(), DELETE,
                                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                             nullptr, OPEN_EXISTING, 0, nullptr));
    return !probe && GetLastError() != ERROR_FILE_NOT_FOUND;
}

bool MoveIntoPlace(const std::wstring& temporary, const std::wstring& target) {
    for (int attempt = 0;; ++attempt) {
        if (!TargetIsHeldOpen(target) &&
            MoveFileExW(temporary.c_str(), target.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return true;
        }
        const DWORD error = GetLastError();
        if (!IsTransientSharingError(error) || attempt + 1 == kReplaceAttempts) {
            SetLastError(error);
            return false;
        }
        Sleep(kReplaceRetryDelayMs);
    }
}

}  // namespace

std::wstring PlatformPath(const names::GbkText& path) {
    std::wstring wide = ToWide(path.view());
    // Beyond the classic limit only the \\?\ form reaches the file. Directories are limited
    // 12 characters earlier than files, which leaves room for the temporary file's suffix.
    if (wide.size() >= MAX_PATH - 12 && wide.rfind(L"\\\\?\\", 0) != 0) {
        if (wide.size() > 2 && wide[1] == L':') {
            wide.insert(0, L"\\\\?\\");
        } else if (wide.rfind(L"\\\\", 0) == 0) {
            wide.replace(0, 2, L"\\\\?\\UNC\\");
        }
    }
    return wide;
}

bool WriteWholeFile(const names::GbkText& path, std::initializer_list<ByteSpan> parts) {
    if (path.empty()) {
        SetLastError(ERROR_INVALID_NAME);
        return false;
    }
    const std::wstring target = PlatformPath(path);
    const DWORD existing = GetFileAttributesW(target.c_str());
    if (existing != INVALID_FILE_ATTRIBUTES &&
        (existing & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) {
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    TemporaryFile temporary = CreateTemporaryBeside(target);
    if (!temporary.handle) {
        return false;
    }
    bool written = true;
    for (ByteSpan part : parts) {
        written = written && WriteAll(temporary.handle.get(), part);
    }
    written = written && FlushFileBuffers(temporary.handle.get());
    const HANDLE handle = temporary.handle.release();
    written = CloseHandle(handle) && written;
    if (written && existing != INVALID_FILE_ATTRIBUTES &&
        (existing & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM))) {
        written = SetFileAttributesW(
            temporary.path.c_str(),
            existing & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE));
    }
    written = written && MoveIntoPlace(temporary.path, target);
    if (!written) {
        const DWORD error = GetLastError();
        DeleteFileW(temporary.path.c_str());
        SetLastError(error);
    }
    return written;
}

names::GbkText SystemErrorText(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring sentence;
    if (length > 0 && text != nullptr) {
        sentence.assign(text, length);
    }
    LocalFree(text);
    while (!sentence.empty() &&
           (sentence.back() == L'\n' || sentence.back() == L'\r' || sentence.back() == L' ')) {
        sentence.pop_back();
    }
    if (sentence.empty()) {
        sentence = L"错误 " + std::to_wstring(error);
    }
    return FromWide(sentence);
}

void SetWriteFileForTesting(WriteFileFunction function) {
    write_file = function ? function : &WriteToFile;
}

}  // namespace app

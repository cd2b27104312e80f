// Writing whole files on the real file system (under Wine in the cross build).
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "app/file_services.h"
#include "app/gbk_convert.h"

namespace app {
namespace {

// A fresh directory for one test, removed afterwards with everything in it.
class TestDirectory {
  public:
    TestDirectory() {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        static int counter = 0;
        path_ = std::wstring(temp) + L"varnelo-files-" + std::to_wstring(GetCurrentProcessId()) +
                L"-" + std::to_wstring(++counter);
        CreateDirectoryW(path_.c_str(), nullptr);
    }
    TestDirectory(const TestDirectory&) = delete;
    TestDirectory& operator=(const TestDirectory&) = delete;
    ~TestDirectory() {
        for (const std::wstring& name : Entries()) {
            const std::wstring file = path_ + L"\\" + name;
            SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(file.c_str());
            RemoveDirectoryW(file.c_str());
        }
        RemoveDirectoryW(path_.c_str());
    }
    std::wstring Wide(const std::wstring& name) const { return path_ + L"\\" + name; }
    names::GbkText Path(const std::wstring& name) const { return FromWidePath(Wide(name)); }
    std::vector<std::wstring> Entries() const {
        std::vector<std::wstring> names;
        WIN32_FIND_DATAW entry{};
        const HANDLE search = FindFirstFileW((path_ + L"\\*").c_str(), &entry);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::wstring name = entry.cFileName;
                if (name != L"." && name != L"..")
                    names.push_back(name);
            } while (FindNextFileW(search, &entry));
            FindClose(search);
        }
        return names;
    }

  private:
    std::wstring path_;
};

std::string ReadFile(const std::wstring& path) {
    std::string bytes;
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "<missing>";
    char buffer[4096];
    DWORD read = 0;
    while (::ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
        bytes.append(buffer, read);
    }
    CloseHandle(file);
    return bytes;
}

void WriteRaw(const std::wstring& path, const std::string& bytes) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

ByteSpan Span(const std::string& bytes) {
    return {reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()};
}

const std::string kOld = "old content that is longer than the new";
const std::string kNew = "\xCD\xF5\xB0\xA1\xA3\xAC";  // 王啊，

TEST(WriteWholeFile, WritesThePartsInOrderAndReplacesAnOlderFileWhole) {
    const TestDirectory directory;
    const std::wstring target = directory.Wide(L"姓名.txt");
    ASSERT_TRUE(WriteWholeFile(directory.Path(L"姓名.txt"), {Span("ab"), Span(""), Span("cd")}))
        << GetLastError();
    EXPECT_EQ(ReadFile(target), "abcd") << "parts in order, an empty part skipped";

    WriteRaw(target, kOld);
    ASSERT_TRUE(WriteWholeFile(directory.Path(L"姓名.txt"), {Span(kNew)}));
    EXPECT_EQ(ReadFile(target), kNew) << "nothing of the longer old content remains";

    ASSERT_TRUE(WriteWholeFile(directory.Path(L"姓名.txt"), {}));
    EXPECT_EQ(ReadFile(target), "") << "no parts give an empty file";
    EXPECT_EQ(directory.Entries().size(), 1u) << "no temporary file is left";
}

TEST(WriteWholeFile, AnEmptyPathTouchesNothing) {
    EXPECT_FALSE(WriteWholeFile(names::GbkText(), {Span(kNew)}));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_NAME));
}

TEST(WriteWholeFile, AHiddenTargetIsReplacedAndStaysHidden) {
    const TestDirectory directory;
    const std::wstring target = directory.Wide(L"姓名.txt");
    WriteRaw(target, kOld);
    SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_HIDDEN);
    ASSERT_TRUE(WriteWholeFile(directory.Path(L"姓名.txt"), {Span(kNew)}));
    EXPECT_EQ(ReadFile(target), kNew);
    EXPECT_TRUE(GetFileAttributesW(target.c_str()) & FILE_ATTRIBUTE_HIDDEN);
}

// Each way the write can fail leaves the old file exactly as it was and no temporary file.
TEST(WriteWholeFile, AFailureLeavesTheOldFileIntact) {
    struct Case {
        const char* fault;
        void (*arrange)(const std::wstring& target);
        WriteFileFunction write_file;
    };
    static HANDLE holder = INVALID_HANDLE_VALUE;
    static int writes = 0;
    const Case cases[] = {
        {"a read-only target",
         [](const std::wstring& target) {
             SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY);
         },
         nullptr},
        {"a target another program holds open without sharing",
         [](const std::wstring& target) {
             holder =
                 CreateFileW(target.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
         },
         nullptr},
        {"the second write fails", [](const std::wstring&) { writes = 0; },
         [](HANDLE file, const void* data, DWORD size, DWORD* written) -> BOOL {
             if (++writes == 2) {
                 SetLastError(ERROR_DISK_FULL);
                 return FALSE;
             }
             return WriteFile(file, data, size, written, nullptr);
         }},
        {"a write reports success having written nothing (full disk)", [](const std::wstring&) {},
         [](HANDLE, const void*, DWORD, DWORD* written) -> BOOL {
             *written = 0;
             return TRUE;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        const TestDirectory directory;
        const std::wstring target = directory.Wide(L"姓名.txt");
        WriteRaw(target, kOld);
        c.arrange(target);
        SetWriteFileForTesting(c.write_file);
        EXPECT_FALSE(WriteWholeFile(directory.Path(L"姓名.txt"), {Span("ab"), Span(kNew)}));
        const DWORD error = GetLastError();
        SetWriteFileForTesting(nullptr);
        EXPECT_NE(error, 0u) << "the reason is kept for the message";
        if (holder != INVALID_HANDLE_VALUE) {
            CloseHandle(holder);
            holder = INVALID_HANDLE_VALUE;
        }
        EXPECT_EQ(ReadFile(target), kOld);
        EXPECT_EQ(directory.Entries(), std::vector<std::wstring>{L"姓名.txt"});
    }
}

TEST(WriteWholeFile, ShortWritesAreCarriedOnUntilEveryByteIsWritten) {
    const TestDirectory directory;
    SetWriteFileForTesting([](HANDLE file, const void* data, DWORD size, DWORD* written) -> BOOL {
        return WriteFile(file, data, size > 1 ? 1 : size, written, nullptr);
    });
    const bool written = WriteWholeFile(directory.Path(L"姓名.txt"), {Span(kNew)});
    SetWriteFileForTesting(nullptr);
    ASSERT_TRUE(written);
    EXPECT_EQ(ReadFile(directory.Wide(L"姓名.txt")), kNew);
}

TEST(WriteWholeFile, ADirectoryThatDoesNotExistOrATargetThatIsADirectory) {
    const TestDirectory directory;
    EXPECT_FALSE(WriteWholeFile(directory.Path(L"missing\\姓名.txt"), {Span(kNew)}));
    CreateDirectoryW(directory.Wide(L"姓名.txt").c_str(), nullptr);
    EXPECT_FALSE(WriteWholeFile(directory.Path(L"姓名.txt"), {Span(kNew)}));
    EXPECT_EQ(directory.Entries(), std::vector<std::wstring>{L"姓名.txt"});
}

TEST(WriteWholeFile, ReachesPathsBeyondTheClassicLengthLimit) {
    const TestDirectory directory;
    std::wstring deep = directory.Wide(L"");
    deep.pop_back();
    std::vector<std::wstring> made;
    while (deep.size() < 300) {
        deep += L"\\" + std::wstring(60, L'长');
        CreateDirectoryW((L"\\\\?\\" + deep).c_str(), nullptr);
        made.push_back(deep);
    }
    const names::GbkText path = FromWidePath(deep + L"\\姓名.txt");
    EXPECT_TRUE(WriteWholeFile(path, {Span(kNew)}));
    EXPECT_EQ(ReadFile(L"\\\\?\\" + deep + L"\\姓名.txt"), kNew);
    DeleteFileW((L"\\\\?\\" + deep + L"\\姓名.txt").c_str());
    for (auto it = made.rbegin(); it != made.rend(); ++it) {
        RemoveDirectoryW((L"\\\\?\\" + *it).c_str());
    }
}

}  // namespace
}  // namespace app

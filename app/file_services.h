// The file services: writing a whole file safely, and the small queries the program needs.
//
// Paths are texts in GBK, with four-byte escapes for characters GBK lacks, as RunDirectory
// forms them.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <span>
#include <string>

#include "names/gbk_text.h"

namespace app {

using ByteSpan = std::span<const unsigned char>;

inline ByteSpan BytesOf(const names::ByteSet& bytes) {
    return {bytes.data(), bytes.size()};
}

// The path as the platform takes it: UTF-16, and in the form without the classic length limit
// when it is that long.
std::wstring PlatformPath(const names::GbkText& path);

// Creates or replaces the file at `path` with the parts, written in order. True only when every
// byte reached the file. The new content is written to a temporary file beside the target and
// moved into place in one step, so a failure at any point leaves an earlier file exactly as it
// was; the temporary file is then removed. A read-only target is not replaced (as Windows
// refuses it); a hidden one stays hidden. On failure GetLastError() tells why.
bool WriteWholeFile(const names::GbkText& path, std::initializer_list<ByteSpan> parts);

// The system's sentence for an error code, in GBK, without a trailing line break.
names::GbkText SystemErrorText(DWORD error);

// Test seam: the function that writes bytes to an open file, with WriteFile's contract (null
// restores WriteFile).
using WriteFileFunction = BOOL (*)(HANDLE file, const void* bytes, DWORD size, DWORD* written);
void SetWriteFileForTesting(WriteFileFunction write_file);

}  // namespace app

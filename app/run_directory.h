// The directory that holds the executable, fixed at start-up.
#pragma once

#include <string>
#include <string_view>

#include "names/gbk_text.h"

namespace app {

// The directory part of a module path: everything before the last backslash ("C:" for a file in
// the root of a drive). Searching UTF-16 never mistakes the trail byte of a two-byte GBK
// character for a separator.
std::wstring DirectoryOfPath(std::wstring_view path);

// Records the executable's directory and makes it the current directory.
void RecordRunDirectory();

// A new copy of the directory, without a trailing backslash, in GBK (with four-byte escapes for
// characters that GBK lacks, see gbk_convert.h). File names are formed by appending a text that
// begins with a backslash.
names::GbkText RunDirectory();

}  // namespace app

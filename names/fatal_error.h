// The one fatal failure path of the program.
#pragma once

#include <cstddef>
#include <string_view>

namespace names {

// Shows an error box holding the GBK message, releases what the platform layer holds and ends the
// process with exit code -1; no event handler runs once it has begun. The core only declares it:
// the Windows program provides the box, the unit tests a version that records the call.
[[noreturn]] void ReportFatalError(std::string_view gbk_message);

// ReportFatalError naming the number of bytes that could not be obtained.
[[noreturn]] void ReportOutOfMemory(std::size_t bytes);

}  // namespace names

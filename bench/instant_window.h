// The benchmarks' window: fixed control texts, every service answering at once.
#pragma once

#include <cstddef>

namespace bench_support {

// The check box ticked or not, the length and count texts.
void SetUpInstantWindow(bool random_surname, const char* length, const char* count);

// The bytes appended to the output box so far.
std::size_t AppendedBytes();

}  // namespace bench_support

#pragma once

#include <cstdint>

namespace names {

// Milliseconds since the system started, modulo 2^32.
std::uint32_t SystemTickCount();

}  // namespace names

#include <windows.h>

#include "names/tick_count.h"

namespace names {

std::uint32_t SystemTickCount() {
    return GetTickCount();
}

}  // namespace names

// The counted loops of the generator ("for i from first to last").
#pragma once

#include <cstdint>

namespace names {

// Runs body(i) for i = first, first + 1, ..., last; not at all when last < first. The counter
// stops at last instead of stepping past it, so a last of 2147483647 ends the loop rather than
// wrapping the counter around.
template <class Body>
void ForEachInRange(std::int32_t first, std::int32_t last, Body&& body) {
    if (last < first) {
        return;
    }
    for (std::int32_t i = first;; ++i) {
        body(i);
        if (i == last) {
            return;
        }
    }
}

}  // namespace names

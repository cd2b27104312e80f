#include "names/random_source.h"

#include <algorithm>
#include <atomic>

#include "names/tick_count.h"

namespace names {

namespace {

thread_local std::uint32_t generator_state = 1;
std::atomic<std::uint32_t> seed_accumulator{0};
std::atomic<std::uint32_t (*)()> tick_source{&SystemTickCount};

constexpr std::int32_t kLargestSpan = 2147483646;

}  // namespace

void Reseed() {
    const std::uint32_t tick = tick_source.load(std::memory_order_relaxed)();
    std::uint32_t before = seed_accumulator.load(std::memory_order_relaxed);
    std::uint32_t seed = 0;
    // The seed and the accumulator's step come from one consistent accumulator value.
    do {
        seed = tick + before;
    } while (!seed_accumulator.compare_exchange_weak(before, before + (seed & 0xFFu) + 100u,
                                                     std::memory_order_relaxed));
    generator_state = seed;
}

std::int32_t RandomInRange(std::int32_t low, std::int32_t high) {
    const std::int32_t a = std::max(0, std::min(low, high));
    const std::int32_t b = std::max(0, std::max(low, high));
    if (a == b) {
        return a;
    }
    const std::int32_t span = std::min(b - a, kLargestSpan);
    generator_state = generator_state * 214013u + 2531011u;
    const auto draw = static_cast<std::int32_t>((generator_state >> 16) & 0x7FFFu);
    return a + draw % (span + 1);
}

namespace random_testing {

void SetTickSource(std::uint32_t (*source)()) {
    tick_source = source ? source : &SystemTickCount;
}
void SetSeedAccumulator(std::uint32_t value) {
    seed_accumulator = value;
}
std::uint32_t SeedAccumulator() {
    return seed_accumulator;
}
void SetThreadState(std::uint32_t value) {
    generator_state = value;
}
std::uint32_t ThreadState() {
    return generator_state;
}

}  // namespace random_testing

}  // namespace names

#include "tests/support/scripted_random.h"

#include <atomic>
#include <mutex>
#include <stdexcept>
#include <utility>

#include "names/random_source.h"

namespace test_support {

namespace {

std::mutex script_lock;
std::vector<std::uint32_t> scripted_seeds;
std::atomic<int> reseeds_seen{0};

// The tick that turns the accumulator's current value into the next scripted seed.
std::uint32_t ScriptedTick() {
    const int index = reseeds_seen++;
    std::lock_guard<std::mutex> hold(script_lock);
    if (index >= static_cast<int>(scripted_seeds.size())) {
        return 0;
    }
    return scripted_seeds[static_cast<std::size_t>(index)] -
           names::random_testing::SeedAccumulator();
}

std::atomic<std::uint64_t> tick_counter{0};

std::uint32_t PseudoRandomTick() {
    // splitmix64 over a counter
    std::uint64_t z = (tick_counter += 0x9E3779B97F4A7C15u);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return static_cast<std::uint32_t>((z ^ (z >> 31)) >> 32);
}

}  // namespace

std::uint32_t StateGivingDraws(std::int32_t low, std::int32_t high,
                               std::initializer_list<std::int32_t> draws) {
    for (std::uint32_t i = 0; i < 100'000'000u; ++i) {
        const std::uint32_t state = i * 2654435761u + 12345u;
        names::random_testing::SetThreadState(state);
        bool all_match = true;
        for (const std::int32_t wanted : draws) {
            if (names::RandomInRange(low, high) != wanted) {
                all_match = false;
                break;
            }
        }
        if (all_match) {
            return state;
        }
    }
    throw std::logic_error("no generator state gives these draws");
}

ScriptedReseeds::ScriptedReseeds(std::vector<std::uint32_t> seeds) {
    {
        std::lock_guard<std::mutex> hold(script_lock);
        scripted_seeds = std::move(seeds);
    }
    reseeds_seen = 0;
    names::random_testing::SetTickSource(&ScriptedTick);
}

ScriptedReseeds::~ScriptedReseeds() {
    names::random_testing::SetTickSource(nullptr);
}

int ScriptedReseeds::ReseedsSeen() const {
    return reseeds_seen;
}

PseudoRandomTicks::PseudoRandomTicks(std::uint64_t seed) {
    tick_counter = seed;
    names::random_testing::SetTickSource(&PseudoRandomTick);
}

PseudoRandomTicks::~PseudoRandomTicks() {
    names::random_testing::SetTickSource(nullptr);
}

}  // namespace test_support

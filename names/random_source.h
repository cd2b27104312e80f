// The random source behind every pick of the name generator: a reseed from the clock tick count
// before each pick and an inclusive random integer.
//
// The generator state belongs to the calling thread (it starts at 1); the seed accumulator is one
// value for the whole process, updated atomically, so that reseeds within the same millisecond,
// on one thread or on several, still get different seeds.
#pragma once

#include <cstdint>

namespace names {

void Reseed();
std::int32_t RandomInRange(std::int32_t low, std::int32_t high);

// Test seams; the program itself never calls them.
namespace random_testing {
void SetTickSource(std::uint32_t (*tick_source)());  // null restores the system tick count
void SetSeedAccumulator(std::uint32_t value);
std::uint32_t SeedAccumulator();
void SetThreadState(std::uint32_t value);
std::uint32_t ThreadState();
}  // namespace random_testing

}  // namespace names

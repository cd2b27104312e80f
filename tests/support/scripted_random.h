// Puts the random source into states that make chosen draws come up.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace test_support {

// A generator state from which the next draws of RandomInRange(low, high) are `draws`, in order;
// found by trying states on the calling thread (whose state it leaves changed).
std::uint32_t StateGivingDraws(std::int32_t low, std::int32_t high,
                               std::initializer_list<std::int32_t> draws);

// While it lives, the i-th Reseed leaves the state seeds[i] (reseeds from one thread at a time,
// since the tick is worked out from the accumulator before the reseed reads it); reseeds beyond the
// script see the tick count 0. Restores the system tick count when it ends.
class ScriptedReseeds {
  public:
    explicit ScriptedReseeds(std::vector<std::uint32_t> seeds);
    ~ScriptedReseeds();
    ScriptedReseeds(const ScriptedReseeds&) = delete;
    ScriptedReseeds& operator=(const ScriptedReseeds&) = delete;

    // The number of reseeds since it began.
    int ReseedsSeen() const;
};

// While it lives, the tick count is a fixed-seed pseudo-random sequence, one value per reseed.
class PseudoRandomTicks {
  public:
    explicit PseudoRandomTicks(std::uint64_t seed);
    ~PseudoRandomTicks();
    PseudoRandomTicks(const PseudoRandomTicks&) = delete;
    PseudoRandomTicks& operator=(const PseudoRandomTicks&) = delete;
};

}  // namespace test_support

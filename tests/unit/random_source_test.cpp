#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <set>
#include <thread>
#include <vector>

#include "names/random_source.h"

namespace names {
namespace {

std::atomic<std::uint32_t> fixed_tick{0};
std::uint32_t FixedTick() {
    return fixed_tick.load();
}

// Puts the random source into a known state and restores the system tick source afterwards.
class RandomSourceState {
  public:
    explicit RandomSourceState(std::uint32_t tick) {
        fixed_tick = tick;
        random_testing::SetTickSource(&FixedTick);
        random_testing::SetSeedAccumulator(0);
    }
    ~RandomSourceState() { random_testing::SetTickSource(nullptr); }
    RandomSourceState(const RandomSourceState&) = delete;
    RandomSourceState& operator=(const RandomSourceState&) = delete;
};

TEST(RandomSource, WorkedDrawsFromState1000) {
    random_testing::SetThreadState(1000);
    EXPECT_EQ(RandomInRange(38, 80), 74);
    EXPECT_EQ(RandomInRange(38, 80), 46);
    random_testing::SetThreadState(1000);
    EXPECT_EQ(RandomInRange(1, 814), 49);
}

TEST(RandomSource, ReseedFromTickAndAccumulator) {
    const RandomSourceState state(1000);
    Reseed();
    EXPECT_EQ(random_testing::ThreadState(), 1000u);
    EXPECT_EQ(random_testing::SeedAccumulator(), 332u);
    Reseed();
    EXPECT_EQ(random_testing::ThreadState(), 1332u);
    EXPECT_EQ(random_testing::SeedAccumulator(), 484u);
}

TEST(RandomSource, ReseedWrapsModulo2To32) {
    const RandomSourceState state(0xFFFFFFF0u);
    random_testing::SetSeedAccumulator(0x20);
    Reseed();
    EXPECT_EQ(random_testing::ThreadState(), 0x10u);
    EXPECT_EQ(random_testing::SeedAccumulator(), 0x20u + 0x10u + 100u);
}

TEST(RandomSource, BoundsRules) {
    struct Case {
        std::int32_t low;
        std::int32_t high;
        std::int32_t lowest;
        std::int32_t highest;
        bool draws;
        const char* why;
    };
    const Case cases[] = {
        {5, 5, 5, 5, false, "equal bounds draw nothing"},
        {-5, -1, 0, 0, false, "both negative become 0, no draw"},
        {-5, 3, 0, 3, true, "a negative bound becomes 0"},
        {80, 38, 38, 80, true, "swapped bounds"},
        {0, INT32_MAX, 0, 32767, true, "a huge range yields only its lowest 32768 values"},
    };
    for (const Case& c : cases) {
        random_testing::SetThreadState(12345);
        std::int32_t lowest = INT32_MAX;
        std::int32_t highest = INT32_MIN;
        for (int i = 0; i < 20000; ++i) {
            const std::int32_t value = RandomInRange(c.low, c.high);
            lowest = std::min(lowest, value);
            highest = std::max(highest, value);
        }
        EXPECT_GE(lowest, c.lowest) << c.why;
        EXPECT_LE(highest, c.highest) << c.why;
        if (c.highest - c.lowest < 100) {  // small ranges reach both ends in 20000 draws
            EXPECT_EQ(lowest, c.lowest) << c.why;
            EXPECT_EQ(highest, c.highest) << c.why;
        }
        EXPECT_EQ(random_testing::ThreadState() != 12345u, c.draws) << c.why;
    }
}

TEST(RandomSource, SwappedBoundsGiveTheSameSequence) {
    std::vector<std::int32_t> forward;
    std::vector<std::int32_t> swapped;
    random_testing::SetThreadState(777);
    for (int i = 0; i < 100; ++i)
        forward.push_back(RandomInRange(38, 80));
    random_testing::SetThreadState(777);
    for (int i = 0; i < 100; ++i)
        swapped.push_back(RandomInRange(80, 38));
    EXPECT_EQ(forward, swapped);
}

TEST(RandomSource, RemainderBiasFavoursTheLowestValues) {
    // Every one of the 32768 draw values, counted once: 38 and 39 have 763 chances, the rest 762.
    std::vector<int> counts(81, 0);
    for (std::uint32_t r = 0; r < 32768; ++r) {
        // Find a state whose next draw is r: state * 214013 + 2531011 must have r in bits 16..30.
        random_testing::SetThreadState(((r << 16) - 2531011u) * 0xB9B33155u);  // 214013^-1 mod 2^32
        ++counts[static_cast<std::size_t>(RandomInRange(38, 80))];
    }
    EXPECT_EQ(counts[38], 763);
    EXPECT_EQ(counts[39], 763);
    for (int v = 40; v <= 80; ++v)
        EXPECT_EQ(counts[static_cast<std::size_t>(v)], 762) << v;
}

TEST(RandomSourceThreads, DrawsOnOneThreadLeaveAnotherThreadsSequenceAlone) {
    auto sequence = [](bool disturbed_by_other_thread) {
        std::vector<std::int32_t> values;
        random_testing::SetThreadState(4242);
        for (int i = 0; i < 1000; ++i) {
            if (disturbed_by_other_thread && i == 500) {
                std::thread other([] {
                    random_testing::SetThreadState(99);
                    for (int j = 0; j < 1000; ++j)
                        RandomInRange(1, 814);
                });
                other.join();
            }
            values.push_back(RandomInRange(1, 814));
        }
        return values;
    };
    EXPECT_EQ(sequence(false), sequence(true));

    std::uint32_t fresh_state = 0;
    std::thread fresh([&fresh_state] { fresh_state = random_testing::ThreadState(); });
    fresh.join();
    EXPECT_EQ(fresh_state, 1u) << "a thread's state starts at 1";
}

TEST(RandomSourceThreads, ReseedsAtTheSameTickGetDistinctSeeds) {
    const RandomSourceState state(5000);
    constexpr int kThreads = 8;
    constexpr int kReseedsPerThread = 2000;
    std::vector<std::vector<std::uint32_t>> seeds(kThreads);
    std::atomic<int> ready{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            ++ready;
            while (ready.load() < kThreads) {
            }
            for (int i = 0; i < kReseedsPerThread; ++i) {
                Reseed();
                seeds[static_cast<std::size_t>(t)].push_back(random_testing::ThreadState());
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    std::set<std::uint32_t> distinct;
    for (const auto& per_thread : seeds)
        distinct.insert(per_thread.begin(), per_thread.end());
    EXPECT_EQ(distinct.size(), static_cast<std::size_t>(kThreads * kReseedsPerThread));
}

}  // namespace
}  // namespace names

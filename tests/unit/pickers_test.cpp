#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "names/pickers.h"
#include "names/random_source.h"
#include "names/surname_table.h"
#include "tests/support/fake_window.h"
#include "tests/support/scripted_random.h"

namespace names {
namespace {

using test_support::ScriptedReseeds;
using test_support::StateGivingDraws;

// The result of PickRandomNumber(1, 814) when its draw is n, and the number of reseeds it made.
std::pair<std::string, int> PickWithDraw(std::int32_t n) {
    const ScriptedReseeds reseeds({StateGivingDraws(1, 814, {n})});
    const GbkText picked = PickRandomNumber(1, 814);
    return {std::string(picked.view()), reseeds.ReseedsSeen()};
}

TEST(PickRandomNumber, EvenDrawsAreLoweredByOne) {
    struct Case {
        std::int32_t draw;
        const char* text;
        const char* why;
    };
    const Case cases[] = {
        {1, "1", "the lowest draw stands"},
        {2, "1", "2 ends in 2"},
        {813, "813", "odd: stands"},
        {814, "813", "the highest draw is lowered into the range of odd slots"},
        {10, "9", "ends in 0: a test of the value's parity by its first digit would miss it"},
        {14, "13", "ends in 4"},
        {16, "15", "ends in 6"},
        {18, "17", "ends in 8"},
        {100, "99", "n - 1 is a real and prints as plain digits, no point or fraction"},
        {21, "21", "odd with an even first digit: only the last digit counts"},
        {209, "209", "a 0 inside the number does not count"},
    };
    for (const Case& c : cases) {
        const auto [text, reseeds] = PickWithDraw(c.draw);
        EXPECT_EQ(text, c.text) << c.draw << ": " << c.why;
        EXPECT_EQ(reseeds, 1) << c.draw << ": one reseed per pick";
    }
}

TEST(PickRandomNumber, NeverEvenOverEveryDraw) {
    for (std::int32_t n = 1; n <= 814; ++n) {
        const std::int32_t expected = n % 2 == 1 ? n : n - 1;
        EXPECT_EQ(PickWithDraw(n).first, std::to_string(expected)) << n;
    }
}

TEST(PickRandomSurname, EachDrawPairGivesOneWholeSlot) {
    // Every draw of 1..814 forced once: slot j must come from the draws 2j - 1 and 2j only.
    std::map<std::string, int> draws_per_surname;
    for (std::int32_t n = 1; n <= 814; ++n) {
        const ScriptedReseeds reseeds({StateGivingDraws(1, 814, {n})});
        const std::string surname(PickRandomSurname().view());
        ASSERT_EQ(reseeds.ReseedsSeen(), 1) << n;
        const int slot = (n + 1) / 2;
        EXPECT_EQ(surname, SurnameTable().view().substr(static_cast<std::size_t>(2 * slot - 2), 2))
            << "draw " << n << " should give slot " << slot;
        ++draws_per_surname[surname];
    }
    EXPECT_EQ(draws_per_surname.size(), 404u) << "every slot is reachable";
    EXPECT_EQ(draws_per_surname["\xD5\xD4"], 2);  // 赵, draws 1 and 2
    EXPECT_EQ(draws_per_surname["\xB9\xAB"], 2);  // 公, draws 813 and 814
    EXPECT_EQ(draws_per_surname["\xD3\xDA"], 4);  // 于, two slots
    EXPECT_EQ(draws_per_surname["\xBF\xC2"], 4);  // 柯, two slots
    EXPECT_EQ(draws_per_surname["\xD3\xF4"], 4);  // 郁, two slots
}

TEST(PickRandomSurname, SpreadOverManyPicks) {
    const test_support::PseudoRandomTicks ticks(20240611);
    constexpr int kPicks = 407 * 500;
    std::map<std::string, int> picks;
    for (int i = 0; i < kPicks; ++i) {
        ++picks[std::string(PickRandomSurname().view())];
    }
    ASSERT_EQ(picks.size(), 404u) << "every surname comes up";
    const std::set<std::string> doubled = {"\xD3\xDA", "\xBF\xC2", "\xD3\xF4"};  // 于 柯 郁
    double doubled_total = 0;
    double single_total = 0;
    for (const auto& [surname, count] : picks) {
        EXPECT_EQ(surname.size(), 2u);
        (doubled.count(surname) ? doubled_total : single_total) += count;
    }
    const double ratio = (doubled_total / 3) / (single_total / 401);
    EXPECT_GT(ratio, 1.8) << "于 柯 郁 come about twice as often as the others";
    EXPECT_LT(ratio, 2.2);
}

TEST(PickRandomHanzi, OneReseedThenLeadAndTrailPerCharacter) {
    const test_support::FakeWindowScope window;
    constexpr std::uint32_t kSeed = 4242;
    // The draws that seed gives, made directly: each byte is 256 minus its draw.
    random_testing::SetThreadState(kSeed);
    std::string expected;
    for (int i = 0; i < 6; ++i) {
        expected.push_back(static_cast<char>(256 - RandomInRange(38, 80)));
    }
    const ScriptedReseeds reseeds({kSeed});
    EXPECT_EQ(std::string(PickRandomHanzi(3).view()), expected);
    EXPECT_EQ(reseeds.ReseedsSeen(), 1) << "one reseed per call, not per character";
    EXPECT_EQ(test_support::Calls(), (std::vector<std::string>{"pump", "pump", "pump"}));
}

TEST(PickRandomHanzi, ForcedDrawsGiveTheirBytes) {
    const test_support::FakeWindowScope window;
    struct Case {
        std::int32_t lead_draw;
        std::int32_t trail_draw;
        const char* bytes;
        const char* why;
    };
    const Case cases[] = {
        {38, 80, "\xDA\xB0", "诎: the draws are negated, lead first"},
        {80, 38, "\xB0\xDA", "摆: swapping lead and trail shows here"},
        {80, 80, "\xB0\xB0", "鞍, the lowest given-name character"},
        {38, 38, "\xDA\xDA", "谮, the highest"},
    };
    for (const Case& c : cases) {
        const ScriptedReseeds reseeds({StateGivingDraws(38, 80, {c.lead_draw, c.trail_draw})});
        EXPECT_EQ(std::string(PickRandomHanzi(1).view()), c.bytes) << c.why;
    }
}

TEST(PickRandomHanzi, CountBelowOneGivesNothing) {
    for (const std::int32_t count : {0, -1, INT32_MIN}) {
        const test_support::FakeWindowScope window;
        random_testing::SetThreadState(99);
        const ScriptedReseeds reseeds({777});
        EXPECT_TRUE(PickRandomHanzi(count).empty()) << count;
        EXPECT_EQ(random_testing::ThreadState(), 777u) << count << ": reseeded, nothing drawn";
        EXPECT_TRUE(test_support::Calls().empty()) << count << ": no pump without a character";
    }
}

TEST(PickRandomHanzi, EveryByteAndPairWithinTheGivenNameRange) {
    const test_support::FakeWindowScope window;
    const test_support::PseudoRandomTicks ticks(77);
    std::set<int> leads;
    std::set<int> trails;
    std::set<std::string> pairs;
    for (int i = 0; i < 43 * 43 * 40; ++i) {
        const std::string hanzi(PickRandomHanzi(1).view());
        ASSERT_EQ(hanzi.size(), 2u);
        const auto lead = static_cast<unsigned char>(hanzi[0]);
        const auto trail = static_cast<unsigned char>(hanzi[1]);
        ASSERT_TRUE(lead >= 0xB0 && lead <= 0xDA) << lead;
        ASSERT_TRUE(trail >= 0xB0 && trail <= 0xDA) << trail;
        leads.insert(lead);
        trails.insert(trail);
        pairs.insert(hanzi);
    }
    EXPECT_EQ(leads.size(), 43u);
    EXPECT_EQ(trails.size(), 43u);
    EXPECT_EQ(pairs.size(), 43u * 43u) << "lead and trail come from separate draws";
    EXPECT_EQ(pairs.count("\xB0\xA1"), 0u);  // 啊
}

}  // namespace
}  // namespace names

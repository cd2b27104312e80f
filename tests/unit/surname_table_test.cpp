#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>

#include "names/surname_table.h"

namespace names {
namespace {

std::string Slot(int j) {
    return std::string(SurnameTable().view().substr(static_cast<std::size_t>(2 * j - 2), 2));
}

TEST(SurnameTable, HoldsTheTableBytesInGbk) {
    const std::string_view bytes = SurnameTable().view();
    ASSERT_EQ(TextLength(SurnameTable()), 814);  // 1221 would mean the literal stayed UTF-8
    // FNV-1a of the table's GBK bytes: any character miscopied, dropped or moved changes it.
    std::uint32_t hash = 0x811C9DC5u;
    for (const char byte : bytes) {
        hash = (hash ^ static_cast<unsigned char>(byte)) * 0x01000193u;
    }
    EXPECT_EQ(hash, 0xC1DED848u);
}

TEST(SurnameTable, SlotsAtKnownPlaces) {
    struct Case {
        int slot;
        const char* bytes;
        const char* why;
    };
    const Case cases[] = {
        {1, "\xD5\xD4", "赵 opens the table"},
        {5, "\xD6\xDC", "周: an off-by-one slot formula lands elsewhere"},
        {407, "\xB9\xAB", "公 closes it: a short table misses it"},
        {82, "\xD3\xDA", "于, first place"},
        {203, "\xD3\xDA", "于, second place"},
        {164, "\xBF\xC2", "柯, first place"},
        {169, "\xBF\xC2", "柯, second place"},
        {181, "\xD3\xF4", "郁, first place"},
        {284, "\xD3\xF4", "郁, second place"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Slot(c.slot), c.bytes) << c.slot << ": " << c.why;
    }
}

TEST(SurnameTable, EverySlotIsOneHanziAndOnlyThreeRepeat) {
    std::map<std::string, int> slots_per_surname;
    for (int j = 1; j <= kSurnameSlots; ++j) {
        const std::string slot = Slot(j);
        const auto lead = static_cast<unsigned char>(slot[0]);
        const auto trail = static_cast<unsigned char>(slot[1]);
        // GB2312 hanzi: rows 16-87, columns 1-94.
        EXPECT_TRUE(lead >= 0xB0 && lead <= 0xF7 && trail >= 0xA1 && trail <= 0xFE) << j;
        ++slots_per_surname[slot];
    }
    EXPECT_EQ(slots_per_surname.size(), 404u);
    std::map<std::string, int> repeated;
    for (const auto& [surname, slots] : slots_per_surname) {
        if (slots > 1) {
            repeated[surname] = slots;
        }
    }
    const std::map<std::string, int> expected = {
        {"\xD3\xDA", 2},  // 于
        {"\xBF\xC2", 2},  // 柯
        {"\xD3\xF4", 2},  // 郁
    };
    EXPECT_EQ(repeated, expected);
}

}  // namespace
}  // namespace names

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "names/gbk_text.h"
#include "tests/support/recorded_fatal_error.h"

namespace names {
namespace {

// GBK bytes of the characters the cases use.
constexpr const char* kZhao = "\xD5\xD4";   // 赵
constexpr const char* kQian = "\xC7\xAE";   // 钱
constexpr const char* kSun = "\xCB\xEF";    // 孙
constexpr const char* kWang = "\xCD\xF5";   // 王
constexpr const char* kComma = "\xA3\xAC";  // ，

std::string Bytes(const GbkText& text) {
    return std::string(text.view());
}

TEST(GbkText, EmptyAndAbsentAreTheSameValue) {
    const GbkText absent(static_cast<const char*>(nullptr));
    EXPECT_EQ(TextLength(GbkText()), 0);
    EXPECT_EQ(TextLength(absent), 0);
    EXPECT_STREQ(absent.c_str(), "");
    EXPECT_EQ(CompareTexts(absent, ""), 0);
    EXPECT_EQ(TextLength(kWang), 2);
    EXPECT_EQ(TextLength(kComma), 2);
}

TEST(GbkText, StopsAtTheFirstNulAndCopiesDeeply) {
    const GbkText cut(std::string_view("ab\0cd", 5));
    EXPECT_EQ(Bytes(cut), "ab");

    // Long enough to leave the inline buffer: copies and moves must keep the bytes intact.
    const std::string long_bytes(100, 'x');
    GbkText original(long_bytes);
    GbkText copy = original;
    GbkText moved = std::move(original);
    EXPECT_EQ(Bytes(copy), long_bytes);
    EXPECT_EQ(Bytes(moved), long_bytes);
    EXPECT_NE(copy.c_str(), moved.c_str());
    EXPECT_EQ(TextLength(original),
              0);  // NOLINT(bugprone-use-after-move): a moved-from text is empty
}

TEST(GbkText, JoinTextsKeepsOrderAndSkipsAbsentParts) {
    EXPECT_EQ(Bytes(JoinTexts("", "")), "");
    EXPECT_EQ(Bytes(JoinTexts(kWang, kComma)), "\xCD\xF5\xA3\xAC");
    EXPECT_EQ(Bytes(JoinTexts(GbkText(), kWang, static_cast<const char*>(nullptr))), kWang);
    EXPECT_EQ(Bytes(JoinTexts(kZhao, kQian, kSun, kWang, kComma)),
              std::string(kZhao) + kQian + kSun + kWang + kComma);
    const std::string long_part(40, 'y');
    EXPECT_EQ(Bytes(JoinTexts(GbkText(long_part), long_part.c_str())), long_part + long_part);
}

TEST(GbkText, CompareTextsIsBytewiseUnsignedWithTheNul) {
    struct Case {
        const char* a;
        const char* b;
        int expected;
    };
    const Case cases[] = {
        {nullptr, "", 0},
        {"2", "2", 0},
        {"3", "2", 1},
        {"", "2", -1},
        {"2", "", 1},
        {"10", "2", -1},               // the first bytes decide
        {"\x80", "\x7F", 1},           // bytes compare as unsigned values
        {kWang, kZhao, -1},            // lead byte CD before D5
        {"\xCD\xF5", "\xCD\xF6", -1},  // same lead, trail decides
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CompareTexts(c.a, c.b), c.expected) << (c.a ? c.a : "(absent)") << " vs " << c.b;
    }
}

TEST(GbkText, NumberToTextFormats) {
    EXPECT_EQ(Bytes(NumberToText(811)), "811");
    EXPECT_EQ(Bytes(NumberToText(-38)), "-38");
    EXPECT_EQ(Bytes(NumberToText(0)), "0");
    EXPECT_EQ(Bytes(NumberToText(INT32_MIN)), "-2147483648");
    EXPECT_EQ(Bytes(NumberToText(811.0)), "811");
    EXPECT_EQ(Bytes(NumberToText(0.0)), "0");
    EXPECT_EQ(Bytes(NumberToText(-0.0)), "-0");
    EXPECT_EQ(Bytes(NumberToText(2.5)), "2.5");
    EXPECT_EQ(Bytes(NumberToText(1.0 / 3.0)), "0.3333333333333");
    EXPECT_EQ(Bytes(NumberToText(4294967296.0)), "4294967296");
    EXPECT_EQ(Bytes(NumberToText(1e13)), "1e+13");
    EXPECT_EQ(Bytes(NumberToText(0.0001)), "0.0001");
    EXPECT_EQ(Bytes(NumberToText(GbkText(kWang))), kWang);
}

TEST(GbkText, NumberToTextIntegersMatchPrintf) {
    // The integer digits are written by hand; "%d" is the reference, across every digit count,
    // both signs and the ends of the range.
    std::vector<std::int32_t> values = {INT32_MIN, INT32_MIN + 1, INT32_MAX, INT32_MAX - 1};
    for (std::int64_t power = 1; power <= 1000000000; power *= 10) {
        for (const std::int64_t near : {power - 1, power, power + 1}) {
            values.push_back(static_cast<std::int32_t>(near));
            values.push_back(static_cast<std::int32_t>(-near));
        }
    }
    for (std::int32_t v = -1000; v <= 1000; ++v) {
        values.push_back(v);
    }
    for (const std::int32_t value : values) {
        char expected[16];
        std::snprintf(expected, sizeof expected, "%d", static_cast<int>(value));
        EXPECT_EQ(Bytes(NumberToText(value)), expected) << value;
    }
}

TEST(GbkText, TextToIntReadsWhatUsersType) {
    struct Case {
        const char* text;
        std::int32_t expected;
        const char* why;
    };
    const Case cases[] = {
        {"", 0, "empty"},
        {" 7", 7, "leading space"},
        {"\t7", 7, "leading tab"},
        {"\n\v\f\r7", 7, "the other C white space"},
        {"7abc", 7, "stops at letters"},
        {"abc", 0, "letters alone"},
        {"5.9", 5, "stops at the point"},
        {"-3", -3, "minus"},
        {"+3", 3, "plus"},
        {"- 3", 0, "space after the sign"},
        {"--3", 0, "two signs"},
        {"99999999999", static_cast<std::int32_t>(99999999999LL % 4294967296LL),
         "wraps modulo 2^32"},
        {"2147483648", INT32_MIN, "2^31"},
        {"4294967296", 0, "2^32"},
        {"-2147483648", INT32_MIN, "lowest"},
        {"\xA3\xB1\xA3\xB0", 10, "full-width one and zero"},
        {"\xA3\xAD\xA3\xB3", -3, "full-width minus and three"},
        {"\xA3\xAB\xA3\xB3", 3, "full-width plus"},
        {"\xA1\xA1"
         "7",
         7, "ideographic space"},
        {"\xCD\xF5"
         "7",
         0, "a hanzi is no white space"},
        {"\xA0"
         "7",
         0, "a lone high byte swallows the next byte"},
        {"7\xA3", 7, "lead byte at the end is dropped"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TextToInt(c.text), c.expected) << c.why;
    }
}

TEST(GbkText, FoldFullWidthMapsTheFormsAndKeepsOtherPairs) {
    struct Case {
        const char* text;
        const char* folded;
    };
    const Case cases[] = {
        {"\xA3\xA1\xA3\xFE", "!~"},  // the whole A3 row folds to 0x21..0x7E
        {"\xA3\xAE", "."},           // full-width full stop
        {"\xA1\xA1\xA1\xAB", " ~"},  // ideographic space, wave dash
        {"\xA1\xEE\xA1\xEF", "**"},  // white and black star
        {"\xA3\xA0", "\xA3\xA0"},    // just below the A3 range: kept
        {"\xCD\xF5\xA3\xB5",
         "\xCD\xF5"
         "5"},
        {"a\xCD", "a"},  // truncated pair dropped
        {"\xCD\x5C\xA3\xB1",
         "\xCD\x5C"
         "1"},  // an ASCII trail byte belongs to its lead
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Bytes(FoldFullWidth(c.text)), c.folded);
    }
}

TEST(GbkText, TextToNumberReadsLikeAtof) {
    EXPECT_EQ(TextToNumber("811"), 811.0);
    EXPECT_EQ(TextToNumber(""), 0.0);
    EXPECT_EQ(TextToNumber("\xA3\xB1"), 1.0);
    EXPECT_EQ(TextToNumber("  -12.5e1x"), -125.0);
    EXPECT_EQ(TextToNumber("3e"), 3.0);
    EXPECT_EQ(TextToNumber("0x10"), 0.0);  // no hexadecimal reading
    EXPECT_EQ(TextToNumber("inf"), 0.0);
    EXPECT_EQ(TextToNumber("."), 0.0);
    EXPECT_EQ(TextToNumber(".5"), 0.5);
    EXPECT_EQ(TextToNumber("12345678901234567890"), 12345678901234567890.0);
}

TEST(GbkText, TruncateToIntGoesTowardZero) {
    EXPECT_EQ(TruncateToInt(-74.0), -74);
    EXPECT_EQ(TruncateToInt(5.9), 5);
    EXPECT_EQ(TruncateToInt(-5.9), -5);
    EXPECT_EQ(TruncateToInt(4294967297.0), 1);
}

TEST(GbkText, RightOfText) {
    EXPECT_EQ(Bytes(RightOfText("811", 1)), "1");
    EXPECT_EQ(Bytes(RightOfText("811", 0)), "");
    EXPECT_EQ(Bytes(RightOfText("811", -1)), "");
    EXPECT_EQ(Bytes(RightOfText("811", 5)), "811");
    EXPECT_EQ(Bytes(RightOfText("", 1)), "");
}

TEST(GbkText, MidOfTextCountsBytesOnZhaoQianSun) {
    const GbkText names = JoinTexts(kZhao, kQian, kSun);
    struct Case {
        std::int32_t position;
        std::int32_t count;
        std::string expected;
    };
    const Case cases[] = {
        {3, 2, kQian},      {1, 2, kZhao},
        {5, 10, kSun},      {6, 1, "\xEF"},  // the trail byte of 孙
        {2, 2, "\xD4\xC7"},                  // trail of 赵, lead of 钱
        {7, 2, ""},         {0, 2, ""},
        {-1, 2, ""},        {1, 0, ""},
        {1, -3, ""},        {INT32_MAX, 2, ""},
        {INT32_MIN, 2, ""}, {1, INT32_MAX, std::string(kZhao) + kQian + kSun},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Bytes(MidOfText(names, c.position, c.count)), c.expected)
            << c.position << ", " << c.count;
    }
}

TEST(GbkText, CharFromCodeTakesTheLowByte) {
    struct Case {
        std::int32_t code;
        const char* expected;
    };
    const Case cases[] = {{-38, "\xDA"}, {-80, "\xB0"}, {218, "\xDA"}, {65, "A"},
                          {0, ""},       {256, ""},     {-256, ""},    {0x141, "A"}};
    for (const Case& c : cases) {
        EXPECT_EQ(Bytes(CharFromCode(c.code)), c.expected) << c.code;
    }
}

TEST(GbkText, TextToBytesHasNoTerminator) {
    const ByteSet wang = TextToBytes(kWang);
    ASSERT_EQ(wang.size(), 2u);
    EXPECT_EQ(wang.data()[0], 0xCD);
    EXPECT_EQ(wang.data()[1], 0xF5);
    EXPECT_EQ(TextToBytes("").size(), 0u);
}

TEST(GbkText, FailedAllocationIsFatalAndNamesTheSize) {
    SetTextAllocatorForTesting([](std::size_t) -> void* { return nullptr; });
    test_support::ResetFatalMessage();
    // Short texts live inside the value and need no allocation at all.
    EXPECT_EQ(Bytes(JoinTexts(kWang, kComma)), "\xCD\xF5\xA3\xAC");
    const std::string long_part(100, 'z');
    EXPECT_THROW(JoinTexts(long_part.c_str(), long_part.c_str()), test_support::FatalErrorRaised);
    SetTextAllocatorForTesting(nullptr);
    EXPECT_NE(test_support::LastFatalMessage().find("201"), std::string::npos)
        << "the message names the 201 bytes asked for";
}

}  // namespace
}  // namespace names

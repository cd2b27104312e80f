// The number readings on arbitrary bytes, against straightforward reference readings. Run under
// AddressSanitizer this also shows that no reading looks past the end of its text.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>

#include "names/gbk_text.h"

namespace names {
namespace {

// Reference folding: decode pair by pair, written independently of the program's.
std::string ReferenceFold(const std::string& in) {
    std::string out;
    for (std::size_t i = 0; i < in.size(); ++i) {
        const auto lead = static_cast<unsigned char>(in[i]);
        if (lead < 0x80) {
            out += in[i];
            continue;
        }
        if (i + 1 >= in.size())
            break;
        const auto trail = static_cast<unsigned char>(in[++i]);
        if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
            out += static_cast<char>(trail - 0x80);
        } else if (lead == 0xA1 && trail == 0xA1) {
            out += ' ';
        } else if (lead == 0xA1 && trail == 0xAB) {
            out += '~';
        } else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) {
            out += '*';
        } else {
            out += static_cast<char>(lead);
            out += static_cast<char>(trail);
        }
    }
    return out;
}

std::int32_t ReferenceInt(const std::string& folded) {
    // The C library's reading, with 64-bit arithmetic reduced modulo 2^32 at the end.
    std::size_t i = 0;
    while (i < folded.size() && (folded[i] == ' ' || (folded[i] >= 9 && folded[i] <= 13)))
        ++i;
    bool negative = false;
    if (i < folded.size() && (folded[i] == '+' || folded[i] == '-'))
        negative = folded[i++] == '-';
    std::uint64_t value = 0;
    while (i < folded.size() && folded[i] >= '0' && folded[i] <= '9') {
        value = (value * 10 + static_cast<std::uint64_t>(folded[i++] - '0')) & 0xFFFFFFFFu;
    }
    const auto low = static_cast<std::uint32_t>(negative ? (0 - value) : value);
    return static_cast<std::int32_t>(low);
}

// Bytes that exercise the readings: digits, signs, points, exponents, white space, full-width
// forms, other pairs, lone high bytes. No x, i or n, so the C library's hexadecimal, infinity and
// NaN forms never arise and strtod can serve as the reference.
std::string RandomText(std::mt19937& random) {
    static const std::string ascii = "0123456789+-.eE \t\n\v\f\rab~*";
    const int length = std::uniform_int_distribution<int>(0, 24)(random);
    std::string text;
    for (int i = 0; i < length; ++i) {
        switch (std::uniform_int_distribution<int>(0, 5)(random)) {
            case 0:
            case 1:
                text += ascii[random() % ascii.size()];
                break;
            case 2:
                text += '\xA3';
                text += static_cast<char>(0xA0 + random() % 0x5F);
                break;
            case 3:
                text += '\xA1';
                text += "\xA1\xAB\xEE\xEF\xA2"[random() % 5];
                break;
            case 4:
                text += static_cast<char>(0x80 + random() % 0x80);
                break;
            default:
                text += static_cast<char>(1 + random() % 0xFF);
                break;
        }
    }
    return text;
}

TEST(TextReadingRandomInput, FoldIntAndNumberAgreeWithReferences) {
    std::mt19937 random(20261211);
    for (int round = 0; round < 100000; ++round) {
        const std::string bytes = RandomText(random);
        const GbkText text(bytes);
        const std::string input(text.view());  // the bytes before any NUL
        const std::string folded = ReferenceFold(input);
        ASSERT_EQ(std::string(FoldFullWidth(text).view()), folded) << "round " << round;
        ASSERT_EQ(TextToInt(text), ReferenceInt(folded)) << "round " << round;
        const double expected = folded.find_first_of("xXiInN") == std::string::npos
                                    ? std::strtod(folded.c_str(), nullptr)
                                    : TextToNumber(text);
        const double actual = TextToNumber(text);
        ASSERT_TRUE(actual == expected || (actual != actual && expected != expected))
            << "round " << round << ": " << actual << " vs " << expected;
    }
}

}  // namespace
}  // namespace names

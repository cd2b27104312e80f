// The conversions between the program's GBK texts and the platform's UTF-16.
#include <gtest/gtest.h>

#include <string>

#include "app/gbk_convert.h"

namespace app {
namespace {

TEST(GbkConvert, GbkTextsConvertBothWays) {
    struct Case {
        std::wstring wide;
        std::string gbk;
    };
    const Case cases[] = {
        {L"", ""},
        {L"abc", "abc"},
        {L"王，", "\xCD\xF5\xA3\xAC"},
        {L"C:\\淺\\", "C:\\\x9C\x5C\\"},  // a trail byte of 5C stays part of its character
        {L"\u20AC", "\x80"},              // the euro sign is a single byte in code page 936
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ToWide(c.gbk), c.wide);
        EXPECT_EQ(std::string(FromWide(c.wide).view()), c.gbk);
        EXPECT_EQ(std::string(FromWidePath(c.wide).view()), c.gbk) << "GBK paths keep GBK bytes";
    }
}

TEST(GbkConvert, PathsKeepCharactersThatGbkLacks) {
    const std::wstring paths[] = {
        L"C:\\한국어\\姓名.txt",     // Hangul
        L"C:\\\U0001F600\\x",        // outside the basic plane: a surrogate pair
        L"C:\\\u20AC\uAC00",         // a single-byte GBK character right before an escape
        L"\U0010FFFF",               // the last code point
        std::wstring(1, L'\xD800'),  // a lone surrogate survives too
    };
    for (const std::wstring& path : paths) {
        const names::GbkText text = FromWidePath(path);
        EXPECT_EQ(ToWide(text.view()), path);
        EXPECT_EQ(text.view().find('\0'), std::string_view::npos);
    }
    // An escape holds no backslash, so the last backslash of a path is still its separator.
    const std::string escaped(FromWidePath(L"\uAC00").view());
    EXPECT_EQ(escaped.size(), 4u);
    EXPECT_EQ(escaped.find('\\'), std::string::npos);
    // What the names file can hold is GBK only.
    EXPECT_EQ(std::string(FromWide(L"\uAC00").view()), "?");
}

}  // namespace
}  // namespace app

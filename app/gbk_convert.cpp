#include "app/gbk_convert.h"

#include <windows.h>

#include <climits>
#include <cstring>

namespace app {

namespace {

bool IsEscapeAt(std::string_view bytes, std::size_t i) {
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(bytes[i + k]); };
    return i + 3 < bytes.size() && at(0) >= 0x81 && at(0) <= 0xFE && at(1) >= 0x30 &&
           at(1) <= 0x39 && at(2) >= 0x81 && at(2) <= 0xFE && at(3) >= 0x30 && at(3) <= 0x39;
}

// An escape's position in the sequence from 81 30 81 30 on is the code point.
std::uint32_t DecodeEscape(std::string_view bytes, std::size_t i) {
    const auto at = [&](std::size_t k) { return static_cast<std::uint32_t>(bytes[i + k] & 0xFF); };
    return (((at(0) - 0x81) * 10 + (at(1) - 0x30)) * 126 + (at(2) - 0x81)) * 10 + (at(3) - 0x30);
}

void AppendEscape(std::string& out, std::uint32_t code_point) {
    std::uint32_t linear = code_point;
    const char b4 = static_cast<char>(0x30 + linear % 10);
    linear /= 10;
    const char b3 = static_cast<char>(0x81 + linear % 126);
    linear /= 126;
    const char b2 = static_cast<char>(0x30 + linear % 10);
    linear /= 10;
    const char b1 = static_cast<char>(0x81 + linear);
    out += b1;
    out += b2;
    out += b3;
    out += b4;
}

void AppendCodePoint(std::wstring& out, std::uint32_t code_point) {
    if (code_point < 0x10000) {
        out += static_cast<wchar_t>(code_point);
    } else if (code_point <= 0x10FFFF) {
        code_point -= 0x10000;
        out += static_cast<wchar_t>(0xD800 + (code_point >> 10));
        out += static_cast<wchar_t>(0xDC00 + (code_point & 0x3FF));
    }
}

void AppendGbk(std::wstring& out, std::string_view gbk) {
    if (gbk.empty() || gbk.size() > INT_MAX) {
        return;
    }
    const int source_length = static_cast<int>(gbk.size());
    const int length = MultiByteToWideChar(kGbkCodePage, 0, gbk.data(), source_length, nullptr, 0);
    if (length <= 0) {
        return;
    }
    const std::size_t start = out.size();
    out.resize(start + static_cast<std::size_t>(length));
    MultiByteToWideChar(kGbkCodePage, 0, gbk.data(), source_length, out.data() + start, length);
}

names::GbkText TextWithoutNul(names::GbkText text) {
    // A NUL pasted into a box ends the text there: a text never holds one.
    if (std::memchr(text.c_str(), '\0', text.size()) != nullptr) {
        return names::GbkText(text.view());
    }
    return text;
}

}  // namespace

std::wstring ToWide(std::string_view gbk) {
    std::wstring wide;
    std::size_t plain_start = 0;
    for (std::size_t i = 0; i < gbk.size();) {
        const auto byte = static_cast<unsigned char>(gbk[i]);
        if (byte < 0x81 || byte == 0xFF) {
            ++i;  // ASCII, and the single bytes 80 (the euro sign) and FF
        } else if (IsEscapeAt(gbk, i)) {
            AppendGbk(wide, gbk.substr(plain_start, i - plain_start));
            AppendCodePoint(wide, DecodeEscape(gbk, i));
            i += 4;
            plain_start = i;
        } else {
            i += 2;
        }
    }
    AppendGbk(wide, gbk.substr(plain_start));
    return wide;
}

names::GbkText FromWide(std::wstring_view wide) {
    if (wide.empty() || wide.size() > INT_MAX) {
        return {};
    }
    const int source_length = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(kGbkCodePage, 0, wide.data(), source_length, nullptr, 0,
                                           nullptr, nullptr);
    if (length <= 0) {
        return {};
    }
    names::GbkText text = names::GbkText::WithLength(static_cast<std::size_t>(length));
    WideCharToMultiByte(kGbkCodePage, 0, wide.data(), source_length, text.MutableBytes(), length,
                        nullptr, nullptr);
    return TextWithoutNul(std::move(text));
}

names::GbkText FromWidePath(std::wstring_view wide) {
    std::string out;
    for (std::size_t i = 0; i < wide.size(); ++i) {
        std::uint32_t code_point = wide[i];
        std::size_t units = 1;
        if (code_point >= 0xD800 && code_point < 0xDC00 && i + 1 < wide.size() &&
            wide[i + 1] >= 0xDC00 && wide[i + 1] < 0xE000) {
            code_point = 0x10000 + ((code_point - 0xD800) << 10) + (wide[i + 1] - 0xDC00);
            units = 2;
        }
        char bytes[4];
        BOOL lost = FALSE;
        const int length = units == 1
                               ? WideCharToMultiByte(kGbkCodePage, WC_NO_BEST_FIT_CHARS, &wide[i],
                                                     1, bytes, sizeof bytes, nullptr, &lost)
                               : 0;
        if (length > 0 && !lost) {
            out.append(bytes, static_cast<std::size_t>(length));
        } else {
            AppendEscape(out, code_point);
        }
        i += units - 1;
    }
    return TextWithoutNul(names::GbkText(out));
}

}  // namespace app

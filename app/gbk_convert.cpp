#include "app/gbk_convert.h"

#include <windows.h>

#include <climits>
#include <cstring>

namespace app {

std::wstring ToWide(std::string_view bytes, unsigned code_page) {
    if (bytes.empty() || bytes.size() > INT_MAX) {
        return {};
    }
    const int source_length = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(code_page, 0, bytes.data(), source_length, nullptr, 0);
    if (length <= 0) {
        return {};
    }
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(code_page, 0, bytes.data(), source_length, wide.data(), length);
    return wide;
}

names::GbkText FromWide(std::wstring_view wide, unsigned code_page) {
    if (wide.empty() || wide.size() > INT_MAX) {
        return {};
    }
    const int source_length = static_cast<int>(wide.size());
    const int length =
        WideCharToMultiByte(code_page, 0, wide.data(), source_length, nullptr, 0, nullptr, nullptr);
    if (length <= 0) {
        return {};
    }
    names::GbkText text = names::GbkText::WithLength(static_cast<std::size_t>(length));
    WideCharToMultiByte(code_page, 0, wide.data(), source_length, text.MutableBytes(), length,
                        nullptr, nullptr);
    // A NUL pasted into a box ends the text there: a text never holds one.
    if (std::memchr(text.c_str(), '\0', text.size()) != nullptr) {
        return names::GbkText(text.view());
    }
    return text;
}

}  // namespace app

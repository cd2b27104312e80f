// Conversions at the window boundary: texts are GBK inside the program and UTF-16 in every call
// to the platform. The code page is named explicitly, never the system's ANSI code page.
#pragma once

#include <string>
#include <string_view>

#include "names/gbk_text.h"

namespace app {

inline constexpr unsigned kGbkCodePage = 936;
// GB18030 gives the same bytes as GBK for every GBK character and can represent every other
// one, so paths of any directory survive the round trip.
inline constexpr unsigned kGb18030CodePage = 54936;

std::wstring ToWide(std::string_view bytes, unsigned code_page = kGbkCodePage);
names::GbkText FromWide(std::wstring_view wide, unsigned code_page = kGbkCodePage);

}  // namespace app

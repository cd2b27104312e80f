// Conversions at the window boundary: texts are GBK inside the program and UTF-16 in every call
// to the platform. The code page is named explicitly, never the system's ANSI code page.
//
// Paths may hold characters that GBK lacks (a directory named in another script). They are
// carried in GBK with four-byte escapes shaped like GB18030's (lead 81..FE, then 30..39, 81..FE,
// 30..39) holding the character's code point, so every path survives the round trip: GBK
// characters keep their GBK bytes, no escape byte is NUL or a backslash, and no GBK text
// contains such a sequence (a GBK trail byte is never 30..39).
#pragma once

#include <string>
#include <string_view>

#include "names/gbk_text.h"

namespace app {

inline constexpr unsigned kGbkCodePage = 936;

// GBK text (with any four-byte escapes) as UTF-16.
std::wstring ToWide(std::string_view gbk);
// UTF-16 as GBK; a character GBK lacks becomes '?', as the names file can only hold GBK.
names::GbkText FromWide(std::wstring_view wide);
// UTF-16 as GBK, with a four-byte escape for every character GBK lacks: nothing is lost.
names::GbkText FromWidePath(std::wstring_view wide);

}  // namespace app

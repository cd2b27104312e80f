// The built-in table of surnames drawn when the auto-random check box is ticked.
#pragma once

#include "names/gbk_text.h"

namespace names {

// 407 two-byte GB2312 characters, one surname each, with no separators: slot j (1 to 407) holds
// the 1-based bytes 2j - 1 and 2j. 于, 柯 and 郁 stand in two slots each, so 404 surnames in all.
inline constexpr int kSurnameSlots = 407;

// The table as one constant 814-byte text. It is never destroyed: a worker may still pick a
// surname while the process ends.
const GbkText& SurnameTable();

}  // namespace names

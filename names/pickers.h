// The random pickers of the generator. Each pick begins with its own Reseed.
#pragma once

#include <cstdint>

#include "names/gbk_text.h"

namespace names {

// The decimal text of a number drawn from low..high, lowered by one when it is even.
GbkText PickRandomNumber(std::int32_t low, std::int32_t high);

// One surname character (two bytes) from SurnameTable, each slot equally likely.
GbkText PickRandomSurname();

// count random given-name characters (2 x count bytes), lead and trail byte each from
// 0xB0..0xDA: all GB2312 hanzi. Lets the calling thread's waiting events run after each one.
// Empty when count is below 1.
GbkText PickRandomHanzi(std::int32_t count);

}  // namespace names

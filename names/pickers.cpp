#include "names/pickers.h"

#include <array>

#include "names/counted_loop.h"
#include "names/random_source.h"
#include "names/surname_table.h"
#include "names/window_services.h"

namespace names {

namespace {

// The texts of the even last digits, made once and never destroyed (a worker may still pick
// while the process ends).
const std::array<GbkText, 5>& EvenDigits() {
    static const auto& digits = *new const std::array<GbkText, 5>{"0", "2", "4", "6", "8"};
    return digits;
}

}  // namespace

GbkText PickRandomNumber(std::int32_t low, std::int32_t high) {
    Reseed();
    const std::int32_t n = RandomInRange(low, high);
    const GbkText last_digit = RightOfText(NumberToText(n), 1);
    for (const GbkText& even : EvenDigits()) {
        if (CompareTexts(last_digit, even) == 0) {
            return NumberToText(static_cast<double>(n) - 1.0);
        }
    }
    return NumberToText(n);
}

GbkText PickRandomSurname() {
    // An odd position 1..813: always the lead byte of a slot, (p + 1) / 2.
    const std::int32_t position = TruncateToInt(TextToNumber(PickRandomNumber(1, 814)));
    return MidOfText(SurnameTable(), position, 2);
}

GbkText PickRandomHanzi(std::int32_t count) {
    Reseed();
    GbkText result;
    ForEachInRange(1, count, [&result](std::int32_t) {
        // The negated draw's low byte: 38..80 become 0xDA..0xB0.
        const GbkText lead = CharFromCode(-RandomInRange(38, 80));
        const GbkText trail = CharFromCode(-RandomInRange(38, 80));
        result = JoinTexts(result, lead, trail);
        PumpEvents();
    });
    return result;
}

}  // namespace names

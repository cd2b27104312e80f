#include "names/gbk_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "names/fatal_error.h"

namespace names {

namespace detail {
void FreeBytes::operator()(void* bytes) const noexcept {
    std::free(bytes);
}
}  // namespace detail

namespace {

// Every text and byte array of the program comes from here.
void* (*text_allocator)(std::size_t) = &std::malloc;

std::string_view BeforeNul(std::string_view bytes) {
    const std::size_t nul = bytes.find('\0');
    return nul == std::string_view::npos ? bytes : bytes.substr(0, nul);
}

GbkText Copy(std::string_view bytes) {
    GbkText text = GbkText::WithLength(bytes.size());
    if (!bytes.empty()) {
        std::memcpy(text.MutableBytes(), bytes.data(), bytes.size());
    }
    return text;
}

bool IsCSpace(unsigned char byte) {
    return byte == 0x20 || (byte >= 0x09 && byte <= 0x0D);
}
bool IsDigit(unsigned char byte) {
    return byte >= '0' && byte <= '9';
}

// The single ASCII byte a two-byte full-width form stands for, or 0 when it stands for none.
unsigned char FullWidthToAscii(unsigned char lead, unsigned char trail) {
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
        return static_cast<unsigned char>(trail - 0x80);
    }
    if (lead == 0xA1) {
        switch (trail) {
            case 0xA1:
                return ' ';
            case 0xAB:
                return '~';
            case 0xEE:
            case 0xEF:
                return '*';
            default:
                break;
        }
    }
    return 0;
}

}  // namespace

void ReportOutOfMemory(std::size_t bytes) {
    // Formed on the stack: no memory is left to ask for.
    char message[96];
    const int length = std::snprintf(message, sizeof message, "内存不足：无法取得 %llu 字节。",
                                     static_cast<unsigned long long>(bytes));
    ReportFatalError(std::string_view(message, static_cast<std::size_t>(length)));
}

void* AllocateOrDie(std::size_t bytes) {
    void* memory = text_allocator(bytes == 0 ? 1 : bytes);
    if (memory == nullptr) {
        ReportOutOfMemory(bytes);
    }
    return memory;
}

void SetTextAllocatorForTesting(void* (*allocator)(std::size_t)) {
    text_allocator = allocator ? allocator : &std::malloc;
}

GbkText::GbkText(const char* bytes)
    : GbkText(bytes ? std::string_view(bytes) : std::string_view()) {}

GbkText::GbkText(std::string_view bytes) : GbkText(Copy(BeforeNul(bytes))) {}

GbkText::GbkText(const GbkText& other) : GbkText(Copy(other.view())) {}

GbkText& GbkText::operator=(const GbkText& other) {
    if (this != &other) {
        *this = Copy(other.view());
    }
    return *this;
}

GbkText::GbkText(GbkText&& other) noexcept : length_(other.length_), heap_(std::move(other.heap_)) {
    std::memcpy(inline_, other.inline_, sizeof inline_);
    other.length_ = 0;
    other.inline_[0] = '\0';
}

GbkText& GbkText::operator=(GbkText&& other) noexcept {
    if (this != &other) {
        length_ = other.length_;
        heap_ = std::move(other.heap_);
        std::memcpy(inline_, other.inline_, sizeof inline_);
        other.length_ = 0;
        other.inline_[0] = '\0';
    }
    return *this;
}

GbkText GbkText::WithLength(std::size_t length) {
    GbkText text;
    text.length_ = length;
    if (length > kInlineCapacity) {
        text.heap_.reset(static_cast<char*>(AllocateOrDie(length + 1)));
        text.heap_[length] = '\0';
    } else {
        text.inline_[length] = '\0';
    }
    return text;
}

ByteSet::ByteSet(std::size_t length)
    : length_(length), bytes_(static_cast<unsigned char*>(AllocateOrDie(length))) {}

int TextLength(const GbkText& text) {
    return static_cast<int>(text.size());
}

GbkText JoinTextViews(std::initializer_list<std::string_view> parts) {
    std::size_t total = 0;
    for (std::string_view part : parts) {
        total += BeforeNul(part).size();
    }
    GbkText joined = GbkText::WithLength(total);
    char* out = joined.MutableBytes();
    for (std::string_view part : parts) {
        part = BeforeNul(part);
        if (!part.empty()) {
            std::memcpy(out, part.data(), part.size());
            out += part.size();
        }
    }
    return joined;
}

int CompareTexts(const GbkText& a, const GbkText& b) {
    const auto* pa = reinterpret_cast<const unsigned char*>(a.c_str());
    const auto* pb = reinterpret_cast<const unsigned char*>(b.c_str());
    while (*pa == *pb) {
        if (*pa == 0) {
            return 0;
        }
        ++pa;
        ++pb;
    }
    return *pa < *pb ? -1 : 1;
}

GbkText NumberToText(std::int32_t value) {
    // "%d", written out by hand: the generator formats a number for every surname it picks,
    // and the general formatter costs several times what the digits do.
    char digits[11];
    char* const end = digits + sizeof digits;
    char* first = end;
    std::uint32_t magnitude =
        value < 0 ? 0u - static_cast<std::uint32_t>(value) : static_cast<std::uint32_t>(value);
    do {
        *--first = static_cast<char>('0' + magnitude % 10u);
        magnitude /= 10u;
    } while (magnitude != 0);
    if (value < 0) {
        *--first = '-';
    }
    return Copy(std::string_view(first, static_cast<std::size_t>(end - first)));
}

GbkText NumberToText(double value) {
    // Whole values below 10^13 print as their plain digits under "%.13g"; the generator formats
    // only such values, so they skip the general formatter.
    if (std::fabs(value) < 2147483648.0 && std::trunc(value) == value &&
        !(value == 0.0 && std::signbit(value))) {
        return NumberToText(static_cast<std::int32_t>(value));
    }
    char digits[40];
    const int length = std::snprintf(digits, sizeof digits, "%.13g", value);
    return Copy(std::string_view(digits, static_cast<std::size_t>(length)));
}

GbkText NumberToText(const GbkText& value) {
    return value;
}

GbkText FoldFullWidth(const GbkText& text) {
    const std::string_view in = text.view();
    GbkText folded = GbkText::WithLength(in.size());
    char* out = folded.MutableBytes();
    std::size_t written = 0;
    for (std::size_t i = 0; i < in.size(); ++i) {
        const auto byte = static_cast<unsigned char>(in[i]);
        if (byte < 0x80) {
            out[written++] = in[i];
            continue;
        }
        if (i + 1 == in.size()) {
            break;  // a lead byte without its trail byte is dropped
        }
        const auto trail = static_cast<unsigned char>(in[i + 1]);
        if (const unsigned char ascii = FullWidthToAscii(byte, trail)) {
            out[written++] = static_cast<char>(ascii);
        } else {
            out[written++] = in[i];
            out[written++] = in[i + 1];
        }
        ++i;
    }
    if (written == in.size()) {
        return folded;
    }
    return Copy(std::string_view(out, written));
}

std::int32_t TextToInt(const GbkText& text) {
    const GbkText folded = FoldFullWidth(text);
    const auto* p = reinterpret_cast<const unsigned char*>(folded.c_str());
    while (IsCSpace(*p)) {
        ++p;
    }
    const bool negative = *p == '-';
    if (*p == '-' || *p == '+') {
        ++p;
    }
    std::uint32_t value = 0;
    while (IsDigit(*p)) {
        value = value * 10u + static_cast<std::uint32_t>(*p - '0');
        ++p;
    }
    if (negative) {
        value = 0u - value;
    }
    return static_cast<std::int32_t>(value);
}

double TextToNumber(const GbkText& text) {
    const GbkText folded = FoldFullWidth(text);
    const char* const begin = folded.c_str();
    const char* p = begin;
    while (IsCSpace(static_cast<unsigned char>(*p))) {
        ++p;
    }
    const char* const number = p;
    if (*p == '-' || *p == '+') {
        ++p;
    }
    const char* const mantissa = p;
    std::uint64_t whole = 0;
    int whole_digits = 0;
    while (IsDigit(static_cast<unsigned char>(*p))) {
        whole = whole * 10 + static_cast<std::uint64_t>(*p - '0');
        ++whole_digits;
        ++p;
    }
    int fraction_digits = 0;
    if (*p == '.') {
        const char* q = p + 1;
        while (IsDigit(static_cast<unsigned char>(*q))) {
            ++q;
        }
        fraction_digits = static_cast<int>(q - p - 1);
        p = q;
    }
    if (whole_digits + fraction_digits == 0) {
        return 0.0;
    }
    // An exponent counts only when at least one digit follows its letter and sign.
    if (*p == 'e' || *p == 'E') {
        const char* q = p + 1;
        if (*q == '-' || *q == '+') {
            ++q;
        }
        if (IsDigit(static_cast<unsigned char>(*q))) {
            while (IsDigit(static_cast<unsigned char>(*q))) {
                ++q;
            }
            p = q;
        }
    }
    // Plain integers of up to 15 digits are exact in a double: no general conversion needed.
    if (p == mantissa + whole_digits && whole_digits <= 15) {
        const auto magnitude = static_cast<double>(whole);
        return *number == '-' ? -magnitude : magnitude;
    }
    // Hand the general converter only the span checked above, so its reading of anything else
    // (hexadecimal, infinity, the locale's decimal point) never applies.
    const std::string_view span(number, static_cast<std::size_t>(p - number));
    char stack_copy[64];
    std::unique_ptr<char[], detail::FreeBytes> heap_copy;
    char* copy = stack_copy;
    if (span.size() >= sizeof stack_copy) {
        heap_copy.reset(static_cast<char*>(AllocateOrDie(span.size() + 1)));
        copy = heap_copy.get();
    }
    std::memcpy(copy, span.data(), span.size());
    copy[span.size()] = '\0';
    return std::strtod(copy, nullptr);
}

std::int32_t TruncateToInt(double value) {
    if (!(std::fabs(value) < 9.2e18)) {
        return 0;  // NaN and values beyond 64 bits carry no meaningful low bits
    }
    const auto wide = static_cast<std::int64_t>(value);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(wide)));
}

GbkText RightOfText(const GbkText& text, std::int32_t count) {
    if (count <= 0) {
        return {};
    }
    const std::string_view bytes = text.view();
    const auto take = std::min<std::size_t>(static_cast<std::size_t>(count), bytes.size());
    return Copy(bytes.substr(bytes.size() - take));
}

GbkText MidOfText(const GbkText& text, std::int32_t position, std::int32_t count) {
    const std::string_view bytes = text.view();
    const std::int64_t start = static_cast<std::int64_t>(position) - 1;
    if (start < 0 || start >= static_cast<std::int64_t>(bytes.size()) || count <= 0) {
        return {};
    }
    const auto offset = static_cast<std::size_t>(start);
    const auto take = std::min<std::size_t>(static_cast<std::size_t>(count), bytes.size() - offset);
    return Copy(bytes.substr(offset, take));
}

GbkText CharFromCode(std::int32_t code) {
    const auto byte = static_cast<char>(static_cast<std::uint32_t>(code) & 0xFFu);
    if (byte == '\0') {
        return {};
    }
    GbkText text = GbkText::WithLength(1);
    text.MutableBytes()[0] = byte;
    return text;
}

ByteSet TextToBytes(const GbkText& text) {
    ByteSet bytes(text.size());
    if (!text.empty()) {
        std::memcpy(bytes.data(), text.c_str(), text.size());
    }
    return bytes;
}

}  // namespace names

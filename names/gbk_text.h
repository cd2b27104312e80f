// The text value of the program: a byte string in code page 936 (GBK), and the byte array.
//
// Every position and length counts bytes. A text never holds a NUL byte; the empty and the
// absent text are the same value. Every operation returns a new value and leaves its arguments
// alone. Memory that cannot be obtained ends the process through ReportFatalError.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string_view>

namespace names {

namespace detail {
struct FreeBytes {
    void operator()(void* bytes) const noexcept;
};
}  // namespace detail

class GbkText {
  public:
    GbkText() noexcept = default;
    // Takes the bytes before the first NUL; a null pointer is the empty text.
    GbkText(const char* bytes);  // NOLINT(google-explicit-constructor): literals read naturally
    explicit GbkText(std::string_view bytes);

    GbkText(const GbkText& other);
    GbkText& operator=(const GbkText& other);
    GbkText(GbkText&& other) noexcept;
    GbkText& operator=(GbkText&& other) noexcept;
    ~GbkText() = default;

    // A text of exactly `length` bytes whose content the caller fills through MutableBytes().
    static GbkText WithLength(std::size_t length);
    char* MutableBytes() noexcept { return heap_ ? heap_.get() : inline_; }

    std::size_t size() const noexcept { return length_; }
    bool empty() const noexcept { return length_ == 0; }
    // NUL-terminated bytes; "" for the empty text.
    const char* c_str() const noexcept { return heap_ ? heap_.get() : inline_; }
    std::string_view view() const noexcept { return {c_str(), length_}; }

  private:
    // Short texts (every name, digit and surname the generator makes) live inside the value.
    static constexpr std::size_t kInlineCapacity = 23;

    std::size_t length_ = 0;
    std::unique_ptr<char[], detail::FreeBytes> heap_;
    char inline_[kInlineCapacity + 1] = {};
};

// A byte array with its length.
class ByteSet {
  public:
    ByteSet() noexcept = default;
    explicit ByteSet(std::size_t length);

    std::size_t size() const noexcept { return length_; }
    const unsigned char* data() const noexcept { return bytes_.get(); }
    unsigned char* data() noexcept { return bytes_.get(); }

  private:
    std::size_t length_ = 0;
    std::unique_ptr<unsigned char[], detail::FreeBytes> bytes_;
};

// Memory for texts and byte arrays; a failed request goes to ReportFatalError with its size.
void* AllocateOrDie(std::size_t bytes);
// Test seam: replaces the allocator behind AllocateOrDie (null restores malloc).
void SetTextAllocatorForTesting(void* (*allocator)(std::size_t));

int TextLength(const GbkText& text);

// The bytes of all parts in order, in one buffer of the exact final size.
GbkText JoinTextViews(std::initializer_list<std::string_view> parts);

inline std::string_view TextView(const GbkText& text) {
    return text.view();
}
inline std::string_view TextView(const char* text) {
    return text ? std::string_view(text) : "";
}

template <class... Parts>
GbkText JoinTexts(const Parts&... parts) {
    static_assert(sizeof...(parts) >= 1);
    return JoinTextViews({TextView(parts)...});
}

// -1, 0 or +1, bytewise as unsigned values; the terminating NUL takes part.
int CompareTexts(const GbkText& a, const GbkText& b);

GbkText NumberToText(std::int32_t value);  // "%d"
GbkText NumberToText(double value);        // "%.13g"
GbkText NumberToText(const GbkText& value);

// Full-width digits, signs and a few symbols folded to ASCII; used by the two readings below.
GbkText FoldFullWidth(const GbkText& text);
// C-style integer reading, modulo 2^32 without overflow detection.
std::int32_t TextToInt(const GbkText& text);
// atof-style reading of a plain decimal number with optional fraction and exponent.
double TextToNumber(const GbkText& text);

// A real given where an integer is expected: truncated toward zero, taken as 32 bits.
std::int32_t TruncateToInt(double value);

GbkText RightOfText(const GbkText& text, std::int32_t count);
GbkText MidOfText(const GbkText& text, std::int32_t position, std::int32_t count);
GbkText CharFromCode(std::int32_t code);
ByteSet TextToBytes(const GbkText& text);

}  // namespace names

#pragma once
// Small helpers shared by the fuzz targets: reading the fuzzer's bytes as a
// stream of choices, and checks on code page 932 text.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace kestrel::fuzz {

// Stops the run with a message when ok is false; libFuzzer then keeps the input as a crash.
inline void check(bool ok, const char* what)
{
    if (ok)
        return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

// The fuzzer's bytes taken from the front, one decision at a time; an empty
// stream answers 0 to everything.
class ByteStream {
public:
    ByteStream(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool empty() const { return pos_ >= size_; }
    std::uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    // A choice in 0..n-1.
    std::size_t pick(std::size_t n) { return n == 0 ? 0 : byte() % n; }
    // Up to maxLength bytes, the length taken from the stream first.
    std::string text(std::size_t maxLength)
    {
        std::size_t length = pick(maxLength + 1);
        std::size_t available = size_ - pos_ < length ? size_ - pos_ : length;
        std::string out(reinterpret_cast<const char*>(data_ + pos_), available);
        pos_ += available;
        return out;
    }
    std::string_view rest()
    {
        std::string_view out(reinterpret_cast<const char*>(data_ + pos_), size_ - pos_);
        pos_ = size_;
        return out;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

inline bool isLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// True when walking the text character by character ends on a whole character
// (no lead byte without the byte after it).
inline bool wholeCharacters(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size())
        i += isLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
    return i == text.size();
}

// True when a NUL ends the text within size bytes.
inline bool terminatedWithin(const char* buffer, std::size_t size)
{
    return std::memchr(buffer, '\0', size) != nullptr;
}

}  // namespace kestrel::fuzz

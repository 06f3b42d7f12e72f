// normaliseText into a buffer of any capacity: the result stays inside the
// capacity (a guard byte after it is never touched), it is the start of the
// whole normalised text cut at a character boundary, and it holds no split
// double-byte character when the source held none.

#include "text/normaliser.h"
#include "fuzz_support.h"

#include <cstring>
#include <memory>
#include <string>

using namespace kestrel;
using kestrel::fuzz::check;
using kestrel::fuzz::wholeCharacters;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::size_t capacity = data[0] % 130;  // 0 to beyond the 96 of a search word
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    // The source is a C text: it ends at its first NUL.
    const std::string_view source = bytes.substr(0, bytes.find('\0'));

    constexpr char kGuard = '\x5A';
    const auto buffer = std::make_unique<char[]>(capacity + 1);
    std::memset(buffer.get(), '\x7F', capacity);
    buffer[capacity] = kGuard;
    const bool fitted = normaliseText(bytes, buffer.get(), capacity);
    check(buffer[capacity] == kGuard, "nothing written after the capacity");
    if (capacity == 0)
        return 0;
    check(fuzz::terminatedWithin(buffer.get(), capacity), "result NUL-terminated within the capacity");

    const std::string out(buffer.get());
    const std::string whole = normaliseText(bytes);
    check(whole.size() <= source.size() + source.size() / 2 + 1, "growth at most by half");
    const bool sourceWhole = wholeCharacters(source);
    if (sourceWhole) {
        check(wholeCharacters(whole), "no split character in the whole result");
        check(wholeCharacters(out), "no split character in the buffer");
    }
    if (whole.find('\0') == std::string::npos) {
        check(whole.compare(0, out.size(), out) == 0, "the buffer holds the start of the whole result");
        check(fitted == (out.size() == whole.size()), "fitted exactly when the whole result is there");
        if (sourceWhole)
            check(wholeCharacters(std::string_view(whole).substr(0, out.size())), "cut at a character boundary");
    }
    return 0;
}

#include "text/normaliser.h"

#include "text/reading_table.h"
#include "platform/cp932.h"

#include <cstring>

namespace kestrel {

namespace {

// A text ends at the end of its bytes or at its first NUL, whichever comes first.
std::string_view untilNul(std::string_view text)
{
    std::size_t end = text.find('\0');
    return end == std::string_view::npos ? text : text.substr(0, end);
}

// Walks text and hands the normalised result to emit one character at a time:
// a single-byte character, or a double-byte character copied whole. A
// replacement is handed over byte by byte, as its bytes are single-byte
// characters. Stops and returns false as soon as emit refuses a character.
template <typename Emit>
bool normaliseInto(std::string_view text, Emit&& emit)
{
    std::size_t pos = 0;
    while (pos < text.size()) {
        // A lead byte without its trail byte at the very end is copied alone.
        if (!isLeadByte(static_cast<unsigned char>(text[pos])) || pos + 1 == text.size()) {
            if (!emit(text.substr(pos, 1)))
                return false;
            ++pos;
            continue;
        }
        const ReadingEntry* entry = findReading(text.substr(pos));
        if (entry == nullptr) {
            if (!emit(text.substr(pos, 2)))
                return false;
            pos += 2;
            continue;
        }
        for (const char* byte = entry->replacement; *byte != '\0'; ++byte)
            if (!emit(std::string_view(byte, 1)))
                return false;
        pos += entry->key[2] == '\0' ? 2 : 4;  // one or two double-byte characters
    }
    return true;
}

}  // namespace

std::string normaliseText(std::string_view source)
{
    std::string_view text = untilNul(source);
    std::string result;
    // A two-byte key gives at most three bytes, a four-byte key at most four.
    result.reserve(text.size() + text.size() / 2);
    normaliseInto(text, [&](std::string_view piece) {
        result.append(piece);
        return true;
    });
    return result;
}

bool normaliseText(std::string_view source, char* dest, std::size_t capacity)
{
    std::string_view text = untilNul(source);
    if (dest == nullptr || capacity == 0)
        return text.empty();
    std::size_t used = 0;
    std::size_t limit = capacity - 1;  // room for the NUL
    bool fitted = normaliseInto(text, [&](std::string_view piece) {
        if (piece.size() > limit - used)
            return false;
        for (char byte : piece)  // one or two bytes
            dest[used++] = byte;
        return true;
    });
    dest[used] = '\0';
    return fitted;
}

}  // namespace kestrel

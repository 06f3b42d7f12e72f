#include "catalogue/field_parsing.h"

#include <cstring>
#include <limits>

namespace kestrel {

std::optional<std::int32_t> leadingInteger(std::string_view field)
{
    std::size_t i = 0;
    while (i < field.size() && (field[i] == ' ' || (field[i] >= '\t' && field[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) {
        negative = field[i] == '-';
        ++i;
    }
    if (i >= field.size() || field[i] < '0' || field[i] > '9')
        return std::nullopt;
    std::int64_t value = 0;
    constexpr std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i) {
        value = value * 10 + (field[i] - '0');
        if (value > limit)
            value = limit;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<std::int32_t>::max())
        value = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value);
}

std::int32_t familyOfField(std::string_view field)
{
    // 獣 鳥 植 虫 怪 物 マ エ 水 ス ゾ 悪 ド ？, two bytes each.
    static constexpr char kFamilies[] =
        "\x8f\x62\x92\xb9\x90\x41\x92\x8e\x89\xf6\x95\xa8\x83\x7d\x83\x47\x90\x85\x83\x58\x83\x5d\x88\xab\x83\x68\x81"
        "\x48";
    if (field.size() < 2)
        return 0;
    for (int k = 0; k < 14; ++k) {
        if (field[0] == kFamilies[2 * k] && field[1] == kFamilies[2 * k + 1]) {
            std::int32_t code = k + 1;
            if (field.size() > 2 && field[2] == '?')
                code |= 0x80;
            return code;
        }
    }
    return 0;
}

std::int32_t typeLetterOfField(std::string_view field)
{
    if (field.size() != 1)
        return 0;
    const char* letters = "RSKMTPO";
    const char* hit = std::strchr(letters, field[0]);
    return (hit && field[0] != '\0') ? static_cast<std::int32_t>(hit - letters) + 1 : 0;
}

}  // namespace kestrel

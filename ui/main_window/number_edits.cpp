#include "ui/main_window/number_edits.h"

namespace kestrel::ui {

namespace {

bool isLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// The ASCII character a full-width one stands for, 0 for none: ０..９ are 82 4F..82 58,
// ＋ 81 7B, － 81 7C, ＊ 81 96, ／ 81 5E.
char asciiOf(unsigned char lead, unsigned char trail)
{
    if (lead == 0x82 && trail >= 0x4F && trail <= 0x58)
        return static_cast<char>('0' + (trail - 0x4F));
    if (lead != 0x81)
        return 0;
    switch (trail) {
    case 0x7B: return '+';
    case 0x7C: return '-';
    case 0x96: return '*';
    case 0x5E: return '/';
    default: return 0;
    }
}

}  // namespace

std::string numberEditText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    int digits = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        char ascii = static_cast<char>(c);
        if (isLeadByte(c) && i + 1 < text.size()) {
            ascii = asciiOf(c, static_cast<unsigned char>(text[i + 1]));
            if (ascii == 0) {
                out.append(text.substr(i, 2));
                ++i;
                continue;
            }
            ++i;
        }
        if (ascii >= '0' && ascii <= '9' && ++digits > kNumberEditDigits)
            continue;
        out.push_back(ascii);
    }
    return out;
}

}  // namespace kestrel::ui

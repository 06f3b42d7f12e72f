#pragma once
// What the main window's number edits (damage, HP and MP limits, User No) hold:
// the ASCII digits and operators, also when a Japanese input method types them
// in full width, and never more digits than the game can produce.

#include <string>
#include <string_view>

namespace kestrel::ui {

// The most digits a number edit holds; further ones are dropped as they come.
inline constexpr int kNumberEditDigits = 6;
// The largest value a number edit holds, also as the result of a keypad step.
inline constexpr int kNumberEditMax = 999999;

// text (code page 932) with the full-width digits, plus, minus, asterisk and
// slash in their ASCII form and every digit past the sixth dropped; letters
// and other characters stay as they are.
std::string numberEditText(std::string_view text);

}  // namespace kestrel::ui

#pragma once
// The window's fixed texts are written in the source as UTF-8 and used as code
// page 932, converted once.

#include <string>
#include <string_view>

namespace kestrel::ui {

// The code page 932 form of a UTF-8 text of the program's own.
std::string sjis(std::string_view utf8);

}  // namespace kestrel::ui

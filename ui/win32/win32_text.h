#pragma once
// Texts crossing between the logic (code page 932 bytes), the program's paths
// (UTF-8) and Windows (UTF-16).

#include <string>
#include <string_view>

namespace kestrel::ui::win32 {

std::wstring wideFromUtf8(std::string_view utf8);
std::string utf8FromWide(std::wstring_view wide);

std::wstring wideFromCp932(std::string_view cp932);
std::string cp932FromWide(std::wstring_view wide);

}  // namespace kestrel::ui::win32

#pragma once
// Paths as the settings file keeps them (code page 932) and as the file system
// takes them (UTF-8 on Linux and macOS, the ANSI code page on Japanese Windows).

#include <string>
#include <string_view>

namespace kestrel {

std::string fileSystemPath(std::string_view settingsPath);
std::string settingsPathOf(std::string_view fileSystemPath);

// The part of a code page 932 path after its last folder separator ("\" or "/"
// as a whole character, never the second byte of a double-byte character).
std::string_view fileNameOf(std::string_view settingsPath);

}  // namespace kestrel

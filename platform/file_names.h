#pragma once
// File-system paths. Inside the program a path is UTF-8 on every platform; the
// settings file keeps its paths in code page 932, as it always has; Windows
// takes UTF-16, converted only where a file is opened or looked at.

#include <filesystem>
#include <string>
#include <string_view>

namespace kestrel {

// A settings-file path (code page 932) as the program's UTF-8 path, and back.
std::string fileSystemPath(std::string_view settingsPath);
std::string settingsPathOf(std::string_view fileSystemPath);

// The path the file system takes for a UTF-8 path, and the UTF-8 form of one.
// Neither ever throws: malformed UTF-8 (or UTF-16) becomes U+FFFD.
std::filesystem::path pathFromUtf8(std::string_view utf8);
std::string utf8FromPath(const std::filesystem::path& path);

// The part of a code page 932 path after its last folder separator ("\" or "/"
// as a whole character, never the second byte of a double-byte character).
std::string_view fileNameOf(std::string_view settingsPath);

}  // namespace kestrel

#include "platform/file_names.h"

#include "platform/cp932.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace kestrel {

std::string fileSystemPath(std::string_view settingsPath) { return cp932ToUtf8(settingsPath); }

std::string settingsPathOf(std::string_view fileSystemPath) { return utf8ToCp932(fileSystemPath); }

#ifdef _WIN32

// The path is built from UTF-16 that we convert ourselves: std::filesystem's own
// conversion of a narrow string throws on bytes that are not UTF-8.
std::filesystem::path pathFromUtf8(std::string_view utf8)
{
    if (utf8.empty())
        return {};
    const int inSize = static_cast<int>(utf8.size());
    int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), inSize, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size > 0 ? size : 0), L'\0');
    if (size > 0)
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), inSize, wide.data(), size);
    return std::filesystem::path(std::move(wide));
}

std::string utf8FromPath(const std::filesystem::path& path)
{
    const std::wstring& wide = path.native();
    if (wide.empty())
        return {};
    const int inSize = static_cast<int>(wide.size());
    int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), inSize, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    if (size > 0)
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), inSize, utf8.data(), size, nullptr, nullptr);
    return utf8;
}

#else

std::filesystem::path pathFromUtf8(std::string_view utf8) { return std::filesystem::path(utf8); }

std::string utf8FromPath(const std::filesystem::path& path) { return path.native(); }

#endif

std::string_view fileNameOf(std::string_view path)
{
    std::size_t start = 0;
    for (std::size_t pos = 0; pos < path.size(); pos += charLengthAt(path, pos)) {
        if (path[pos] == '\\' || path[pos] == '/')
            start = pos + 1;
    }
    return path.substr(start);
}

}  // namespace kestrel

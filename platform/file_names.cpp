#include "platform/file_names.h"

#include "platform/cp932.h"

namespace kestrel {

std::string fileSystemPath(std::string_view settingsPath)
{
#ifdef _WIN32
    return std::string(settingsPath);
#else
    return cp932ToUtf8(settingsPath);
#endif
}

std::string settingsPathOf(std::string_view fileSystemPath)
{
#ifdef _WIN32
    return std::string(fileSystemPath);
#else
    return utf8ToCp932(fileSystemPath);
#endif
}

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

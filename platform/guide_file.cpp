#include "platform/guide_file.h"

#include "platform/file_names.h"

#include <filesystem>
#include <system_error>

namespace kestrel {

std::string guideFilePath(const std::string& executable)
{
    if (executable.empty())
        return {};
    const std::filesystem::path folder = pathFromUtf8(executable).parent_path();
    const std::filesystem::path name = pathFromUtf8(kGuideFileName);
    for (const std::filesystem::path& candidate :
         {folder / name, folder.parent_path() / "share" / "doc" / "kestrel" / name}) {
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error))
            return utf8FromPath(candidate.lexically_normal());
    }
    return {};
}

}  // namespace kestrel

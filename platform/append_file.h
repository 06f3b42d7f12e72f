#pragma once
// Appending to a file that must never lose a line: the bytes go out in one
// write to a file opened for appending (O_APPEND; FILE_APPEND_DATA on Windows),
// so a line never interleaves with another program's, and reach the disk
// (fsync; FlushFileBuffers) before success is reported. The file is created
// when missing and never truncated.

#include <filesystem>
#include <string>
#include <string_view>

namespace kestrel {

struct AppendOutcome {
    bool ok = false;
    std::string reason;  // the system's words for the failure (UTF-8), empty on success
};

AppendOutcome appendDurably(const std::filesystem::path& file, std::string_view bytes);

}  // namespace kestrel

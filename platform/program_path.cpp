#include "platform/program_path.h"

#include "platform/file_names.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#if defined(_WIN32)
#include <fstream>
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#elif defined(__APPLE__)
#include <climits>
#include <cstdint>
#include <mach-o/dyld.h>
#include <unistd.h>
#else
#include <unistd.h>
#endif

namespace kestrel {

namespace {

std::filesystem::path toPath(const std::string& path) { return pathFromUtf8(path); }
std::string fromPath(const std::filesystem::path& path) { return utf8FromPath(path); }

#ifdef _WIN32

// Access rights of a folder are not visible from its attributes: try it.
bool folderWritable(const std::filesystem::path& folder)
{
    std::filesystem::path probe = folder / (".kestrel-probe-" + std::to_string(GetCurrentProcessId()));
    bool ok = static_cast<bool>(std::ofstream(probe));
    std::error_code ec;
    std::filesystem::remove(probe, ec);
    return ok;
}

std::filesystem::path userConfigFolder()
{
    const wchar_t* appData = _wgetenv(L"APPDATA");
    if (!appData || !*appData)
        return {};
    return std::filesystem::path(appData) / "kestrel";
}

#else

bool folderWritable(const std::filesystem::path& folder)
{
    return ::access(folder.empty() ? "." : folder.c_str(), W_OK) == 0;
}

std::filesystem::path userConfigFolder()
{
    const char* home = std::getenv("HOME");
#ifdef __APPLE__
    if (!home || !*home)
        return {};
    return std::filesystem::path(home) / "Library" / "Preferences" / "kestrel";
#else
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && *xdg == '/')
        return std::filesystem::path(xdg) / "kestrel";
    if (!home || !*home)
        return {};
    return std::filesystem::path(home) / ".config" / "kestrel";
#endif
}

#endif

}  // namespace

std::string executablePath()
{
#if defined(_WIN32)
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return {};
        if (length < buffer.size())
            return utf8FromPath(std::filesystem::path(std::wstring(buffer.data(), length)));
        if (buffer.size() >= 32768)
            return {};
        buffer.resize(buffer.size() * 2);
    }
#elif defined(__APPLE__)
    std::uint32_t size = 0;
    _NSGetExecutablePath(nullptr, &size);
    std::vector<char> buffer(size + 1, '\0');
    if (_NSGetExecutablePath(buffer.data(), &size) != 0)
        return {};
    char resolved[PATH_MAX];
    if (::realpath(buffer.data(), resolved))
        return resolved;
    return buffer.data();
#else
    std::vector<char> buffer(256);
    for (;;) {
        ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0)
            return {};
        if (static_cast<std::size_t>(length) < buffer.size())
            return std::string(buffer.data(), static_cast<std::size_t>(length));
        if (buffer.size() >= 65536)
            return {};
        buffer.resize(buffer.size() * 2);
    }
#endif
}

std::string settingsFilePath(const std::string& executable)
{
    std::filesystem::path beside = toPath(executable.empty() ? std::string("kestrel") : executable);
    beside.replace_extension(".ini");
    std::error_code ec;
    if (!executable.empty() && (std::filesystem::exists(beside, ec) || folderWritable(beside.parent_path())))
        return fromPath(beside);

    std::filesystem::path folder = userConfigFolder();
    if (folder.empty())
        return fromPath(beside);
    std::filesystem::create_directories(folder, ec);
    return fromPath(folder / beside.filename());
}

std::string sampleDefinitionFile(const std::string& executable)
{
    if (executable.empty())
        return {};
    const std::filesystem::path folder = toPath(executable).parent_path();
    for (const std::filesystem::path& candidate :
         {folder / ".." / "share" / "kestrel" / "sample-monsters.csv", folder / "sample-monsters.csv"}) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(candidate, ec))
            return fromPath(candidate.lexically_normal());
    }
    return {};
}

}  // namespace kestrel

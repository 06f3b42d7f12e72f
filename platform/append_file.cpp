#include "platform/append_file.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <limits>

// A file whose last line was torn (a power cut in the middle of a write, a
// hand edit without a final line end) gets a line end before the new bytes, so
// the new line never joins the broken one. Looking at the last byte and
// writing happen under an advisory lock, so that a writer never takes another's
// write in progress for a torn line; where the lock is not to be had the
// append goes ahead, and the worst is an empty line, which readers skip.

namespace kestrel {

#ifdef _WIN32

namespace {

std::string systemReason(DWORD code)
{
    wchar_t* text = nullptr;
    const DWORD flags = FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
    const DWORD length = FormatMessageW(flags, nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string reason;
    if (length > 0 && text) {
        const int bytes = WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
        reason.resize(static_cast<std::size_t>(bytes > 0 ? bytes : 0));
        if (bytes > 0)
            WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), reason.data(), bytes, nullptr, nullptr);
        while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' || reason.back() == ' '))
            reason.pop_back();
    }
    if (text)
        LocalFree(text);
    return reason.empty() ? "error " + std::to_string(code) : reason;
}

bool endsTorn(HANDLE file)
{
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size) || size.QuadPart == 0)
        return false;
    OVERLAPPED at{};
    const std::uint64_t last = static_cast<std::uint64_t>(size.QuadPart) - 1;
    at.Offset = static_cast<DWORD>(last & 0xFFFFFFFFu);
    at.OffsetHigh = static_cast<DWORD>(last >> 32);
    char byte = '\n';
    DWORD read = 0;
    return ReadFile(file, &byte, 1, &read, &at) && read == 1 && byte != '\n';
}

}  // namespace

AppendOutcome appendDurably(const std::filesystem::path& file, std::string_view bytes)
{
    // Without FILE_WRITE_DATA every write goes to the end of the file, whatever another writer did.
    HANDLE h = CreateFileW(file.c_str(), FILE_APPEND_DATA | FILE_READ_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return {false, systemReason(GetLastError())};
    // A lock on one byte far past any end of file serves as the writers' token;
    // it never covers bytes that anyone writes.
    OVERLAPPED token{};
    token.Offset = 0xFFFFFFFEu;
    token.OffsetHigh = 0x7FFFFFFFu;
    const bool locked = LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &token);
    std::string whole = endsTorn(h) ? "\n" : "";
    whole.append(bytes);
    AppendOutcome outcome{true, {}};
    DWORD written = 0;
    const bool wrote = whole.size() <= std::numeric_limits<DWORD>::max() &&
                       WriteFile(h, whole.data(), static_cast<DWORD>(whole.size()), &written, nullptr) &&
                       written == whole.size();
    const DWORD writeError = GetLastError();
    if (locked)
        UnlockFileEx(h, 0, 1, 0, &token);  // the flush needs no lock: others may write meanwhile
    if (!wrote)
        outcome = {false, systemReason(writeError)};
    else if (!FlushFileBuffers(h))
        outcome = {false, systemReason(GetLastError())};
    CloseHandle(h);
    return outcome;
}

#else

namespace {

std::string systemReason(int code) { return std::strerror(code); }

bool endsTorn(int fd)
{
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size == 0)
        return false;
    char byte = '\n';
    return ::pread(fd, &byte, 1, info.st_size - 1) == 1 && byte != '\n';
}

}  // namespace

AppendOutcome appendDurably(const std::filesystem::path& file, std::string_view bytes)
{
    const int fd = ::open(file.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return {false, systemReason(errno)};
    while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) {
    }
    std::string whole = endsTorn(fd) ? "\n" : "";
    whole.append(bytes);
    AppendOutcome outcome{true, {}};
    // One write: a second one for a remainder could land after another program's line.
    ssize_t n = -1;
    do {
        n = ::write(fd, whole.data(), whole.size());
    } while (n < 0 && errno == EINTR);
    const int writeError = errno;
    ::flock(fd, LOCK_UN);  // the flush needs no lock: others may write meanwhile
    if (n < 0)
        outcome = {false, systemReason(writeError)};
    else if (static_cast<std::size_t>(n) != whole.size())
        outcome = {false, systemReason(ENOSPC)};
    else if (::fsync(fd) != 0 && errno != EINVAL)
        outcome = {false, systemReason(errno)};
    if (::close(fd) != 0 && outcome.ok)
        outcome = {false, systemReason(errno)};
    return outcome;
}

#endif

}  // namespace kestrel

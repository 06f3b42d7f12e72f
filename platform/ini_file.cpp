#include "platform/ini_file.h"

#include "platform/cp932.h"
#include "platform/file_names.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

// The file is split at '\n' only. A '\r' before the '\n' stays at the end of
// its line, so every line that is not rewritten comes back byte for byte, even
// in a file that mixes line ends. newline_ is the style that new lines get:
// "\r\n" when the file's first line ends that way or the file has no line end
// at all, otherwise "\n".

namespace kestrel {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view trim(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool isBlankLine(std::string_view line) { return trim(line).empty(); }

char asciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Case-insensitive for ASCII letters; the trail byte of a double-byte character
// is compared exactly, so two different characters never match.
bool sameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (isLeadByte(static_cast<unsigned char>(a[i])) && i + 1 < a.size()) {
            if (a[i] != b[i] || a[i + 1] != b[i + 1])
                return false;
            ++i;
        } else if (asciiLower(a[i]) != asciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

// The name of a section header line "[name]", or nullopt for any other line.
std::optional<std::string_view> sectionName(std::string_view line)
{
    std::string_view text = trim(line);
    if (text.empty() || text.front() != '[')
        return std::nullopt;
    std::size_t close = text.rfind(']');
    if (close == std::string_view::npos || close == 0)
        return std::nullopt;
    return trim(text.substr(1, close - 1));
}

// A value or name must not break the line structure: it ends at the first line
// end, and at a NUL, where the text read into a C buffer ends.
std::string_view singleLine(std::string_view text)
{
    return text.substr(0, text.find_first_of(std::string_view("\r\n\0", 3)));
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
    std::size_t valueStart;  // offset of the value in the line, after the blanks
};

// A "key=value" line, or nullopt for headers, comments and other lines.
std::optional<KeyLine> keyLine(std::string_view line)
{
    std::string_view text = trim(line);
    if (text.empty() || text.front() == ';' || text.front() == '[')
        return std::nullopt;
    std::size_t eq = line.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    std::size_t start = eq + 1;
    while (start < line.size() && (line[start] == ' ' || line[start] == '\t'))
        ++start;
    // A value ends at a carriage return or a NUL inside the line, as a written one does.
    return KeyLine{trim(line.substr(0, eq)), trim(singleLine(line.substr(eq + 1))), start};
}

}  // namespace

IniFile IniFile::parse(std::string_view bytes)
{
    IniFile ini;
    std::size_t firstLf = bytes.find('\n');
    ini.newline_ = (firstLf != std::string_view::npos && (firstLf == 0 || bytes[firstLf - 1] != '\r')) ? "\n" : "\r\n";
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t lf = bytes.find('\n', pos);
        if (lf == std::string_view::npos) {
            ini.lines_.emplace_back(bytes.substr(pos));
            ini.finalNewline_ = false;
            break;
        }
        ini.lines_.emplace_back(bytes.substr(pos, lf - pos));
        pos = lf + 1;
    }
    return ini;
}

namespace {

// Index of the header line of the first section named section, or npos.
std::size_t findSection(const std::vector<std::string>& lines, std::string_view section)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        auto name = sectionName(lines[i]);
        if (name && sameName(*name, section))
            return i;
    }
    return std::string::npos;
}

// One past the last line of the section whose header is at line header.
std::size_t sectionEnd(const std::vector<std::string>& lines, std::size_t header)
{
    std::size_t i = header + 1;
    while (i < lines.size() && !sectionName(lines[i]))
        ++i;
    return i;
}

// Index of the first line of key in the section at header, or npos.
std::size_t findKey(const std::vector<std::string>& lines, std::size_t header, std::string_view key)
{
    std::size_t end = sectionEnd(lines, header);
    for (std::size_t i = header + 1; i < end; ++i) {
        auto entry = keyLine(lines[i]);
        if (entry && sameName(entry->key, key))
            return i;
    }
    return std::string::npos;
}

}  // namespace

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const
{
    std::size_t header = findSection(lines_, section);
    if (header == std::string::npos)
        return std::nullopt;
    std::size_t line = findKey(lines_, header, key);
    if (line == std::string::npos)
        return std::nullopt;
    return std::string(keyLine(lines_[line])->value);
}

std::string IniFile::valueOr(std::string_view section, std::string_view key, std::string_view fallback) const
{
    auto found = value(section, key);
    return found ? *found : std::string(fallback);
}

void IniFile::setValue(std::string_view section, std::string_view key, std::string_view value)
{
    section = trim(singleLine(section));
    key = trim(singleLine(key));
    value = trim(singleLine(value));
    const std::string cr = newline_ == "\r\n" ? "\r" : "";
    std::string entry = std::string(key) + "=" + std::string(value) + cr;

    // Inserts a whole line before index at; a last line without its line end
    // gets one first.
    auto insertLine = [&](std::size_t at, std::string line) {
        if (at == lines_.size()) {
            // (a last line that already ends in a CR only lacks the LF)
            if (!finalNewline_ && !lines_.empty() && (lines_.back().empty() || lines_.back().back() != '\r'))
                lines_.back() += cr;
            finalNewline_ = true;
        }
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
    };

    std::size_t header = findSection(lines_, section);
    if (header == std::string::npos) {
        insertLine(lines_.size(), "[" + std::string(section) + "]" + cr);
        insertLine(lines_.size(), std::move(entry));
        return;
    }
    std::size_t found = findKey(lines_, header, key);
    if (found != std::string::npos) {
        // Keep the key as spelt in the file and any '\r' of the line end.
        std::string& line = lines_[found];
        std::size_t start = keyLine(line)->valueStart;
        bool hadCr = !line.empty() && line.back() == '\r';
        line.erase(start);
        line += value;
        if (hadCr)
            line += '\r';
        return;
    }
    std::size_t last = header;
    std::size_t end = sectionEnd(lines_, header);
    for (std::size_t i = header + 1; i < end; ++i) {
        if (!isBlankLine(lines_[i]))
            last = i;
    }
    insertLine(last + 1, std::move(entry));
}

std::string IniFile::serialise() const
{
    std::string out;
    std::size_t total = 0;
    for (const std::string& line : lines_)
        total += line.size() + 1;
    out.reserve(total);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        out += lines_[i];
        if (i + 1 < lines_.size() || finalNewline_)
            out += '\n';
    }
    return out;
}

namespace {

std::atomic<unsigned> tempCounter{0};

}  // namespace

std::optional<std::string> readWholeFile(const std::string& path)
{
    std::error_code ec;
    std::filesystem::path file = pathFromUtf8(path);
    if (std::filesystem::is_directory(file, ec))
        return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return std::nullopt;
    return bytes;
}

#ifdef _WIN32

namespace {

bool writeAll(HANDLE file, std::string_view bytes)
{
    while (!bytes.empty()) {
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0)
            return false;
        bytes.remove_prefix(written);
    }
    return true;
}

}  // namespace

// As on other systems: a temporary file beside the target, created exclusively,
// written and flushed to disk, then moved over the target in one step.
bool writeFileAtomically(const std::string& path, std::string_view bytes)
{
    const std::filesystem::path target = pathFromUtf8(path);
    const std::wstring base = target.filename().native();
    if (base.empty())
        return false;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::wstring name =
            L"." + base + L".tmp" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(tempCounter++);
        const std::wstring temp = (target.parent_path() / name).native();
        HANDLE file = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            if (GetLastError() == ERROR_FILE_EXISTS || GetLastError() == ERROR_ALREADY_EXISTS)
                continue;
            return false;
        }
        bool ok = writeAll(file, bytes) && FlushFileBuffers(file);
        ok = CloseHandle(file) && ok;
        ok = ok && MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
        if (!ok)
            DeleteFileW(temp.c_str());
        return ok;
    }
    return false;
}

#else

namespace {

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace

bool writeFileAtomically(const std::string& path, std::string_view bytes)
{
    std::filesystem::path target(path);
    std::filesystem::path folder = target.parent_path();
    std::string base = target.filename().string();
    if (base.empty())
        return false;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = "." + base + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(tempCounter++);
        std::string temp = (folder / name).string();
        int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return false;
        }
        // The new file keeps the permissions of the one it replaces.
        struct stat old;
        if (::stat(path.c_str(), &old) == 0)
            (void)::fchmod(fd, old.st_mode & 07777);
        bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
        ok = (::close(fd) == 0) && ok;
        ok = ok && ::rename(temp.c_str(), path.c_str()) == 0;
        if (!ok)
            ::unlink(temp.c_str());
        return ok;
    }
    return false;
}

#endif

}  // namespace kestrel

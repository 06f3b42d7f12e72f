#pragma once
// An INI file with the semantics of the Windows profile-file functions: section
// and key names match case-insensitively, the first match wins, blanks around
// names and values are ignored, a written value replaces the old one in place,
// a missing key is added at the end of its section and a missing section at the
// end of the file. Every other line is kept byte for byte. Values are raw bytes
// (code page 932).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrel {

class IniFile {
public:
    IniFile() = default;
    // Parses any bytes; never fails.
    static IniFile parse(std::string_view bytes);

    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    // The value, or fallback when the key is missing.
    std::string valueOr(std::string_view section, std::string_view key, std::string_view fallback) const;
    void setValue(std::string_view section, std::string_view key, std::string_view value);

    std::string serialise() const;

private:
    std::vector<std::string> lines_;  // split at '\n'; a '\r' before it stays in the line
    std::string newline_ = "\r\n";
    bool finalNewline_ = true;
};

// Reads a whole file; nullopt when it cannot be opened.
std::optional<std::string> readWholeFile(const std::string& path);
// Writes bytes to path through a temporary file beside it and a rename, so the
// old file stays intact when anything fails. Returns false on failure.
bool writeFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace kestrel

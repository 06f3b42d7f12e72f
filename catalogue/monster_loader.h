#pragma once
// Reads a monster definition file into the monster table.
//
// The file is comma-separated code page 932 text (a UTF-8 file is converted while
// reading). Line 1 is a header naming the layout: the basic layout of 10 columns
// (format 14122700) or the extended layout of 78 columns (format 15041200).

#include "catalogue/catalogue.h"
#include "catalogue/message_icon.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrel {

inline constexpr std::int32_t kBasicFormat = 14122700;
inline constexpr std::int32_t kExtendedFormat = 15041200;
// A definition file holds at most 1024 records; a file larger than this is
// refused before it is read.
inline constexpr std::size_t kMaxDefinitionFileBytes = std::size_t{16} << 20;

// A message box the loader asks the window to show (texts in code page 932).
// An empty caption means the program's own title.
struct LoaderMessage {
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::None;
};
using MessageSink = std::function<void(const LoaderMessage&)>;

enum class FileEncoding { Cp932, Utf8 };

// Something in the file that lies outside its layout (for whoever maintains it).
struct LoadWarning {
    int line;          // 1-based line number in the file
    std::string what;  // ASCII
};

struct LoadReport {
    bool opened = false;
    std::int32_t format = kBasicFormat;
    FileEncoding encoding = FileEncoding::Cp932;
    int dataLines = 0;  // data lines in the file, including those past the table's end
    std::vector<LoadWarning> warnings;
    bool headerKnown = false;  // line 1 names one of the layouts
    bool binary = false;       // the bytes hold a NUL: no text file at all
    int layoutLines = 0;       // data lines with at least the layout's columns
    // Data lines past the table's end, read no further (the warning about them
    // names only the first).
    int ignoredLines = 0;
    // Refused before reading: larger than kMaxDefinitionFileBytes, or a device
    // or pipe rather than a file (opened stays false).
    bool refusedTooLarge = false;
    bool refusedNotAFile = false;
};

// Empties the table and the text tables, then fills them from the file at path
// (a path in the file system's own encoding). Problems are reported through
// showMessage; an empty path loads nothing and reports nothing. A file that is
// not a regular file, or larger than kMaxDefinitionFileBytes, is refused with a
// message and leaves the table empty.
LoadReport loadMonsterFile(Catalogue& catalogue, const std::string& path, const MessageSink& showMessage);

// The same over the file's bytes (path only names the file in messages). Also
// the fuzzing entry point.
LoadReport loadMonsterBytes(Catalogue& catalogue, std::string_view bytes, const std::string& path,
                            const MessageSink& showMessage);

// The format that a header line selects; unsupportedVersion is set for the one
// version that this program cannot read but still reads in the extended layout.
std::int32_t formatOfHeader(std::string_view header, bool* unsupportedVersion = nullptr);

}  // namespace kestrel

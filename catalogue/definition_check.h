#pragma once
// How a loaded definition file stands against its layout: the report that
// `kestrel-cli check` prints and the window's check item shows, the short
// summary of the notice line, and whether the file is a definition file at all.

#include "catalogue/monster_loader.h"

#include <string>
#include <string_view>
#include <vector>

namespace kestrel {

// The report, one text per line without line ends: the format, encoding and
// monster count; one "PATH:LINE: what" (or "PATH: what") per warning; then
// "no problems found" or the number of warnings. ASCII apart from path.
std::vector<std::string> checkReportLines(std::string_view path, const LoadReport& report, int monsterCount);

// The number of distinct file lines that carry a warning (warnings about the
// whole file not counted), every line past the table's end among them, and the first warning, nullptr when there is
// none.
int linesOutsideLayout(const LoadReport& report);
const LoadWarning* firstWarning(const LoadReport& report);

// A file that holds NUL bytes (no text), or whose header names no layout while
// no line has the layout's columns, is no definition file.
bool isGarbage(const LoadReport& report);

}  // namespace kestrel

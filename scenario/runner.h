#pragma once
// Plays a scenario script on the window logic held in memory: sets up a fresh
// temporary folder for the settings file and the definition files, runs every
// command in order and reports each failed line.

#include <ostream>
#include <string>
#include <string_view>

namespace kestrel::scenario {

inline constexpr int kAllHeld = 0;
inline constexpr int kSomeFailed = 1;
inline constexpr int kCannotRun = 2;

// Plays the script text (read from scriptPath, which names it in reports and
// anchors its relative paths). Failures go to out, one line each. Returns
// kAllHeld, kSomeFailed, or kCannotRun when no temporary folder can be made.
int runScript(std::string_view text, const std::string& scriptPath, std::ostream& out);

}  // namespace kestrel::scenario

#pragma once
// A scenario script read into commands. One command per line; a line that
// starts with "#" is a comment and an empty line is skipped. Arguments are
// separated by single blanks, and the last argument of every command is the
// rest of the line, blanks included ("\n" in it stands for a line feed; a
// missing rest is the empty text). Texts stay UTF-8 here: the runner converts
// them to code page 932 where it hands them to the window.

#include <string>
#include <string_view>
#include <vector>

namespace kestrel::scenario {

struct Command {
    int line = 0;
    // "ini", "type", "expect text", … ; empty when the line could not be read.
    std::string name;
    // The fixed arguments, then the rest of the line (always present, maybe empty).
    std::vector<std::string> args;
    // Why the line is not a command (unknown name, missing argument, bad UTF-8).
    std::string error;
    // The line as written, for reports.
    std::string source;
};

// Reads a whole script; every line that is not a comment or empty gives one
// command, a malformed one carrying its error. Never fails.
std::vector<Command> parseScript(std::string_view text);

// "\n" (backslash, n) becomes a line feed; everything else stays.
std::string unescape(std::string_view text);

// Splits text at every occurrence of separator (an empty text gives no parts).
std::vector<std::string> splitText(std::string_view text, char separator);

}  // namespace kestrel::scenario

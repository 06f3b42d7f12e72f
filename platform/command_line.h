#pragma once
// The arguments of a command-line program as UTF-8, and its output as bytes.

#include <cstdio>
#include <string>
#include <vector>

namespace kestrel {

// The program's arguments after its name, in UTF-8. On Windows they come from
// the UTF-16 command line (argv holds them in the ANSI code page, with "?" for
// every character it lacks); elsewhere they are argv as given.
std::vector<std::string> commandLineArguments(int argc, char** argv);

// Writes to stream byte for byte: no "\r" added before "\n" on Windows.
void useBinaryOutput(std::FILE* stream);

}  // namespace kestrel

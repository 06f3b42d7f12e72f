#pragma once
// The program's command line: `kestrel [FILE]`, `kestrel --help`,
// `kestrel --version`. Qt's own options are taken out before these are read.

#include <string>
#include <vector>

namespace kestrel::app {

struct Arguments {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    std::string file;     // the definition file to open, empty for none
    std::string message;  // what was wrong, for Action::Error
};

// args without the program name. Anything starting with "-" other than the
// two options is an error, never a file; so is a second file.
Arguments parseArguments(const std::vector<std::string>& args);

// args without Qt's own options (-platform NAME, -style=NAME, -reverse, …),
// which only Qt reads.
std::vector<std::string> withoutQtOptions(const std::vector<std::string>& args);

std::string usageText();
std::string versionText();

}  // namespace kestrel::app

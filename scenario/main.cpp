// kestrel-scenario: plays a user story written as a script on the main window's
// logic, with every control held in memory, and reports what did not hold.

#include "platform/command_line.h"
#include "platform/ini_file.h"
#include "scenario/runner.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    using namespace kestrel::scenario;
    const std::vector<std::string> args = kestrel::commandLineArguments(argc, argv);
    if (args.size() != 1) {
        std::cerr << "usage: kestrel-scenario SCRIPT\n"
                     "Plays the scenario SCRIPT on the main window held in memory; exits 0 when every\n"
                     "expectation holds, 1 when a line failed (each one is printed), 2 when the\n"
                     "script cannot be read.\n";
        return kCannotRun;
    }
    const std::string scriptPath = args[0];
    const auto text = kestrel::readWholeFile(scriptPath);
    if (!text) {
        std::cerr << scriptPath << ": cannot read the script\n";
        return kCannotRun;
    }
    return runScript(*text, scriptPath, std::cout);
}

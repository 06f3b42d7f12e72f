// kestrel-scenario: plays a user story written as a script on the main window's
// logic, with every control held in memory, and reports what did not hold.

#include "platform/ini_file.h"
#include "scenario/runner.h"

#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    using namespace kestrel::scenario;
    constexpr const char* kUsage =
        "usage: kestrel-scenario SCRIPT\n"
        "Plays the scenario SCRIPT on the main window held in memory; exits 0 when every\n"
        "expectation holds, 1 when a line failed (each one is printed), 2 when the\n"
        "script cannot be read.\n";
    if (argc == 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h")) {
        std::cout << kUsage
                  << "Commands, one a line ('#' starts a comment): ini SECTION KEY VALUE, monsters PATH,\n"
                     "start [FILE], close, type ID TEXT, key ID C, click ID, header COL,\n"
                     "menu about|check|keys, answer OK|Yes|No|Cancel, file PATH|Cancel,\n"
                     "user OK|Cancel [ID=TEXT ...], config OK|Cancel|Reset [ID=TEXT ...], and\n"
                     "expect text|checked|enabled|focus|title|rows|cell|names|columns|message|\n"
                     "nomessage|notice|ini|state ... (see tests/scenarios/ for examples).\n";
        return 0;
    }
    if (argc != 2) {
        std::cerr << kUsage;
        return kCannotRun;
    }
    const std::string scriptPath = argv[1];
    const auto text = kestrel::readWholeFile(scriptPath);
    if (!text) {
        std::cerr << scriptPath << ": cannot read the script\n";
        return kCannotRun;
    }
    return runScript(*text, scriptPath, std::cout);
}

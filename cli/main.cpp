// kestrel-cli: the terminal companion of Kestrel, for whoever maintains a monster
// definition file and for scripts.

#include "cli/cli_common.h"

#include "platform/command_line.h"

#include <cstring>
#include <iostream>

namespace {

constexpr const char* kUsage =
    "usage: kestrel-cli COMMAND [ARGS]\n"
    "\n"
    "commands:\n"
    "  dump FILE           print a definition file as JSON, as the program reads it\n"
    "  check FILE          report what in a definition file lies outside its layout\n"
    "  normalise TEXT...   print the normalised search form of each text\n"
    "  settings FILE       print a settings file's values after defaults and ranges\n"
    "  query FILE [OPTS]   the candidates that remain after the observations given\n"
    "  damage ...          the damage formula and its inverses\n"
    "  answer FILE [OPTS] --answer NAME [--log LOG]\n"
    "                      check the quiz's answer against FILE; --log records the quiz\n"
    "  log [LOG] [--definition FILE] [--csv]\n"
    "                      what the checked quizzes of a quiz log teach about each monster\n"
    "  corrected FILE LOG OUT\n"
    "                      a copy of FILE with the attack and defense the log refutes corrected\n"
    "\n"
    "'kestrel-cli COMMAND --help' describes one command.\n";

}  // namespace

int main(int argc, char** argv)
{
    using namespace kestrel::cli;
    kestrel::useBinaryOutput(stdout);
    kestrel::useBinaryOutput(stderr);
    Args args = kestrel::commandLineArguments(argc, argv);
    if (args.empty()) {
        std::cerr << kUsage;
        return kFailure;
    }
    const std::string command = args.front();
    args.erase(args.begin());
    if (command == "--help" || command == "-h" || command == "help") {
        std::cout << kUsage;
        return kOk;
    }
    if (command == "dump")
        return runDump(args);
    if (command == "check")
        return runCheck(args);
    if (command == "normalise" || command == "normalize")
        return runNormalise(args);
    if (command == "settings")
        return runSettings(args);
    if (command == "query")
        return runQuery(args);
    if (command == "damage")
        return runDamage(args);
    if (command == "answer")
        return runAnswer(args);
    if (command == "log")
        return runLog(args);
    if (command == "corrected")
        return runCorrected(args);
    std::cerr << "kestrel-cli: unknown command '" << command << "' (try kestrel-cli --help)\n";
    return kFailure;
}

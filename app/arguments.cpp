#include "app/arguments.h"

#include "kestrel_version.h"

namespace kestrel::app {

Arguments parseArguments(const std::vector<std::string>& args)
{
    Arguments result;
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h")
            return {Arguments::Action::Help, {}, {}};
        if (arg == "--version")
            return {Arguments::Action::Version, {}, {}};
    }
    for (const std::string& arg : args) {
        if (arg.empty())
            continue;
        if (arg[0] == '-')
            return {Arguments::Action::Error, {}, "unknown option " + arg};
        if (!result.file.empty())
            return {Arguments::Action::Error, {}, "one definition file only, got a second: " + arg};
        result.file = arg;
    }
    return result;
}

std::string usageText()
{
    return "usage: kestrel [FILE]\n"
           "       kestrel --help | --version\n"
           "Opens the monster-identification window. FILE is a definition file (.csv) to open\n"
           "instead of the one remembered; it is remembered for the next start.\n"
           "  -h, --help     print this help and exit\n"
           "      --version  print the version and exit\n"
           "Qt's own options (-platform, -style, ...) are accepted as well.\n";
}

std::string versionText() { return std::string("kestrel ") + KESTREL_VERSION + "\n"; }

}  // namespace kestrel::app

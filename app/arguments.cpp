#include "app/arguments.h"

#include "kestrel_version.h"

#include <algorithm>
#include <array>
#include <string_view>

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

std::vector<std::string> withoutQtOptions(const std::vector<std::string>& args)
{
    // Options of QGuiApplication and QApplication; those of the first list take
    // the next argument as their value (or NAME=VALUE in the same argument).
    static const std::array<std::string_view, 13> withValue = {
        "platform", "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry", "qwindowicon",  "qwindowtitle",
        "style",    "stylesheet",         "session",       "display", "geometry",        "qmljsdebugger"};
    static const std::array<std::string_view, 6> alone = {"reverse", "nograb",      "dograb",
                                                          "sync",    "widgetcount", "testability"};
    std::vector<std::string> ours;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view name = args[i];
        if (name.size() < 2 || name[0] != '-' || name == "--help" || name == "--version") {
            ours.push_back(args[i]);
            continue;
        }
        name.remove_prefix(name[1] == '-' ? 2 : 1);
        const std::size_t equals = name.find('=');
        const std::string_view bare = name.substr(0, equals);
        if (std::find(withValue.begin(), withValue.end(), bare) != withValue.end()) {
            if (equals == std::string_view::npos)
                ++i;  // its value
            continue;
        }
        if (equals == std::string_view::npos && std::find(alone.begin(), alone.end(), bare) != alone.end())
            continue;
        ours.push_back(args[i]);
    }
    return ours;
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

// kestrel-cli check FILE: what in a definition file lies outside its layout.

#include "cli/cli_common.h"

#include <iostream>
#include <memory>

namespace kestrel::cli {

int runCheck(const Args& args)
{
    if (wantsHelp(args)) {
        std::cout << "usage: kestrel-cli check FILE\n"
                     "Reports the format and encoding found, the number of monsters, and one line\n"
                     "'FILE:LINE: what' for each line that lies outside the layout.\n"
                     "Exit status: 0 clean, 1 with warnings, 2 when the file cannot be read.\n";
        return kOk;
    }
    if (args.size() != 1 || args[0].empty() || args[0][0] == '-')
        return fail("check", "expects exactly one FILE (see --help)");
    const std::string& path = args[0];
    auto catalogue = std::make_unique<Catalogue>();
    LoadReport report = loadDefinitionFile(*catalogue, path);
    if (!report.opened)
        return kFailure;
    std::cout << path << ": format " << report.format
              << (report.format == kExtendedFormat ? " (extended layout)" : " (basic layout)") << ", encoding "
              << (report.encoding == FileEncoding::Utf8 ? "utf-8" : "cp932") << ", " << catalogue->monsterCount
              << " monsters\n";
    for (const LoadWarning& warning : report.warnings) {
        if (warning.line > 0)
            std::cout << path << ':' << warning.line << ": " << warning.what << '\n';
        else
            std::cout << path << ": " << warning.what << '\n';
    }
    if (report.warnings.empty()) {
        std::cout << "no problems found\n";
        return kOk;
    }
    std::cout << report.warnings.size() << (report.warnings.size() == 1 ? " warning\n" : " warnings\n");
    return kWarnings;
}

}  // namespace kestrel::cli

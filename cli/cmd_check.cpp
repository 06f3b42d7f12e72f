// kestrel-cli check FILE: what in a definition file lies outside its layout.

#include "cli/cli_common.h"

#include "catalogue/definition_check.h"

#include <iostream>
#include <memory>

namespace kestrel::cli {

int runCheck(const Args& args)
{
    if (wantsHelp(args)) {
        std::cout << "usage: kestrel-cli check FILE\n"
                     "Reports the format and encoding found, the number of monsters, and one line\n"
                     "'FILE:LINE: what' for each line that lies outside the layout.\n"
                     "Exit status: 0 clean, 1 with warnings or when the file is no definition file,\n"
                     "2 when the file cannot be read (missing, no regular file, over 16 MiB).\n";
        return kOk;
    }
    if (args.size() != 1 || args[0].empty() || args[0][0] == '-')
        return fail("check", "expects exactly one FILE (see --help)");
    const std::string& path = args[0];
    auto catalogue = std::make_unique<Catalogue>();
    LoadReport report = loadDefinitionFile(*catalogue, path);
    if (!report.opened)
        return kFailure;
    for (const std::string& line : checkReportLines(path, report, catalogue->monsterCount))
        std::cout << line << '\n';
    if (isGarbage(report))
        std::cerr << "kestrel-cli check: " << path << " does not look like a definition file\n";
    return report.warnings.empty() && !isGarbage(report) ? kOk : kWarnings;
}

}  // namespace kestrel::cli

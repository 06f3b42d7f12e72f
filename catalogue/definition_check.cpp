#include "catalogue/definition_check.h"

#include <set>

namespace kestrel {

std::vector<std::string> checkReportLines(std::string_view path, const LoadReport& report, int monsterCount)
{
    std::vector<std::string> lines;
    const std::string name(path);
    lines.push_back(name + ": format " + std::to_string(report.format) +
                    (report.format == kExtendedFormat ? " (extended layout)" : " (basic layout)") + ", encoding " +
                    (report.encoding == FileEncoding::Utf8 ? "utf-8" : "cp932") + ", " + std::to_string(monsterCount) +
                    " monsters");
    for (const LoadWarning& warning : report.warnings) {
        if (warning.line > 0)
            lines.push_back(name + ':' + std::to_string(warning.line) + ": " + warning.what);
        else
            lines.push_back(name + ": " + warning.what);
    }
    if (report.warnings.empty())
        lines.emplace_back("no problems found");
    else
        lines.push_back(std::to_string(report.warnings.size()) +
                        (report.warnings.size() == 1 ? " warning" : " warnings"));
    return lines;
}

int linesOutsideLayout(const LoadReport& report)
{
    // The lines past the table's end carry one warning, on the first of them.
    const int firstIgnored = report.ignoredLines > 0 ? kMaxMonsters + 2 : 0;
    std::set<int> lines;
    for (const LoadWarning& warning : report.warnings)
        if (warning.line > 0 && warning.line != firstIgnored)
            lines.insert(warning.line);
    return static_cast<int>(lines.size()) + report.ignoredLines;
}

const LoadWarning* firstWarning(const LoadReport& report)
{
    return report.warnings.empty() ? nullptr : &report.warnings.front();
}

bool isGarbage(const LoadReport& report)
{
    return report.opened && (report.binary || (!report.headerKnown && report.layoutLines == 0));
}

}  // namespace kestrel

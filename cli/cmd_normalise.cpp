// kestrel-cli normalise TEXT...: the normalised search form of each text.

#include "cli/cli_common.h"

#include "text/normaliser.h"
#include "platform/cp932.h"

#include <iostream>

namespace kestrel::cli {

int runNormalise(const Args& args)
{
    if (wantsHelp(args)) {
        std::cout << "usage: kestrel-cli normalise TEXT...\n"
                     "Prints the normalised form of each TEXT (UTF-8) on its own line: the form in which\n"
                     "names and skills are matched and readings sorted.\n";
        return kOk;
    }
    if (args.empty())
        return fail("normalise", "expects at least one TEXT (see --help)");
    for (const auto& text : args)
        std::cout << utf8(normaliseText(utf8ToCp932(text))) << '\n';
    return kOk;
}

}  // namespace kestrel::cli

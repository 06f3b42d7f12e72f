#include "support/cli_run.h"

#include "platform/file_names.h"
#include "platform/program_path.h"

#include <cstdio>
#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace kestrel::testing {

CliRun runCli(const std::string& arguments)
{
    const std::string program =
        kestrel::utf8FromPath(kestrel::pathFromUtf8(kestrel::executablePath()).parent_path() / "kestrel-cli");
#ifdef _WIN32
    // The whole command line as UTF-16, so no argument passes the ANSI code page.
    const std::wstring command = kestrel::pathFromUtf8(program + " " + arguments + " 2>NUL").native();
    FILE* pipe = _wpopen(command.c_str(), L"rb");
#else
    FILE* pipe = popen((program + " " + arguments + " 2>/dev/null").c_str(), "r");
#endif
    if (!pipe)
        return {-1, ""};
    std::string out;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
#ifdef _WIN32
    return {_pclose(pipe), out};
#else
    int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
#endif
}

}  // namespace kestrel::testing

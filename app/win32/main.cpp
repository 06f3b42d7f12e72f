// The program on Windows: one native window on the main window's logic,
// `kestrel [FILE]`.

#include "platform/command_line.h"
#include "platform/file_names.h"
#include "platform/program_path.h"
#include "ui/win32/main_frame.h"

#include <clocale>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

int main(int argc, char** argv)
{
    // Numbers are written with '.' whatever the user's locale says.
    std::setlocale(LC_NUMERIC, "C");
    kestrel::ui::win32::MainWindowOptions options;
    options.settingsPath = kestrel::settingsFilePath(kestrel::executablePath());
    // The first argument is a definition file, relative to the folder the
    // program was started in.
    const std::vector<std::string> arguments = kestrel::commandLineArguments(argc, argv);
    if (!arguments.empty() && !arguments.front().empty()) {
        std::error_code error;
        const std::filesystem::path file = std::filesystem::absolute(kestrel::pathFromUtf8(arguments.front()), error);
        options.definitionFile = error ? arguments.front() : kestrel::utf8FromPath(file);
    }
    return kestrel::ui::win32::runMainWindow(options);
}

// The program on Windows: one native window on the main window's logic,
// `kestrel [FILE]`, `kestrel --help`, `kestrel --version`.

#include "app/arguments.h"
#include "platform/command_line.h"
#include "platform/file_names.h"
#include "platform/program_path.h"
#include "ui/win32/main_frame.h"

#include <clocale>
#include <filesystem>
#include <string>
#include <system_error>

int main(int argc, char** argv)
{
    // The arguments as the user typed them, from the UTF-16 command line.
    const auto arguments = kestrel::app::parseArguments(kestrel::commandLineArguments(argc, argv));
    switch (arguments.action) {
    case kestrel::app::Arguments::Action::Help:
        kestrel::ui::win32::showProgramMessage(kestrel::app::usageText(), false);
        return 0;
    case kestrel::app::Arguments::Action::Version:
        kestrel::ui::win32::showProgramMessage(kestrel::app::versionText(), false);
        return 0;
    case kestrel::app::Arguments::Action::Error:
        kestrel::ui::win32::showProgramMessage("kestrel: " + arguments.message + " (kestrel --help)", true);
        return 2;
    case kestrel::app::Arguments::Action::Run: break;
    }
    // Numbers are written with '.' whatever the user's locale says.
    std::setlocale(LC_NUMERIC, "C");
    kestrel::ui::win32::MainWindowOptions options;
    const std::string executable = kestrel::executablePath();
    options.settingsPath = kestrel::settingsFilePath(executable);
    options.sampleFile = kestrel::sampleDefinitionFile(executable);
    // A file named relative to the folder the program was started in.
    if (!arguments.file.empty()) {
        std::error_code error;
        const std::filesystem::path file = std::filesystem::absolute(kestrel::pathFromUtf8(arguments.file), error);
        options.definitionFile = error ? arguments.file : kestrel::utf8FromPath(file);
    }
    return kestrel::ui::win32::runMainWindow(options);
}

#pragma once
// The program's window on Windows: the main window's logic on the native
// controls, with the About item in the window menu, a definition file dropped
// onto it or named on the command line, and the font and layout following the
// resolution of the monitor it is on.

#include <string>

namespace kestrel::ui::win32 {

struct MainWindowOptions {
    std::string settingsPath;    // the settings file (UTF-8 path)
    std::string definitionFile;  // opened once the window is up when not empty (UTF-8 path)
    std::string sampleFile;      // opened while no definition file is chosen (UTF-8 path)
};

// A message for the user when there is no window (a program without a
// console): the usage, the version, a wrong argument.
void showProgramMessage(const std::string& utf8, bool error);

// Shows the window and runs it until the user closes it; the exit status.
// With the environment variable KESTREL_SCREENSHOT naming a folder, saves
// pictures of the window there instead and ends.
int runMainWindow(const MainWindowOptions& options);

}  // namespace kestrel::ui::win32

// kestrel-scenario: plays a user story written as a script on the main window's
// logic, with every control held in memory, and reports what did not hold.

#include "platform/command_line.h"
#include "platform/ini_file.h"
#include "scenario/runner.h"
#include "ui/main_window/control_names.h"

#include <cstring>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr const char* kUsage =
    "usage: kestrel-scenario SCRIPT\n"
    "Plays the scenario SCRIPT on the main window held in memory; exits 0 when every\n"
    "expectation holds, 1 when a line failed (each one is printed), 2 when the\n"
    "script cannot be read. 'kestrel-scenario --help' describes the script language.\n";

constexpr const char* kLanguage =
    "\n"
    "A script holds one command a line; '#' starts a comment line. Arguments are\n"
    "separated by single blanks and the last one is the rest of the line (\"\\n\" in it\n"
    "is a line feed). Texts are UTF-8. ID is a control of the main window, by number\n"
    "(1090) or by name (dealt-low); the names are listed below.\n"
    "\n"
    "before the window starts:\n"
    "  ini SECTION KEY VALUE          a line of the settings file\n"
    "  monsters PATH                  the definition file (relative to the script)\n"
    "  start [FILE] | close           opens (with FILE as the program's argument) or closes\n"
    "                                 the main window\n"
    "answers queued for what the window asks next:\n"
    "  answer OK|Yes|No|Cancel        the next message box\n"
    "  file PATH|Cancel               the next file chooser\n"
    "  user OK|Cancel [ID=TEXT ...]   the next user settings dialog, fields filled first\n"
    "  config OK|Cancel|Reset [ID=TEXT ...]  the next Config dialog\n"
    "  quiz-answer OK|Cancel [NAME]   the next 答え合わせ dialog, NAME typed into its field first\n"
    "acting:\n"
    "  type ID TEXT                   types TEXT into an edit\n"
    "  key ID C                       one key press in an edit\n"
    "  click ID                       clicks a button, box or radio\n"
    "  focus ID                       puts the keyboard in a control (Tab or a click into it)\n"
    "  shortcut KEYS                  presses a key of the shortcut table (Ctrl+Shift+Z)\n"
    "  header COL                     clicks the list's column header COL (from 0)\n"
    "  menu about|check|keys          the About, file check or key list item\n"
    "  menu hints-off|hints-on        hides or shows the hint panel\n"
    "  menu topmost-on|topmost-off    keeps the window on top, or lets it go\n"
    "  menu guide                     opens the player's guide (recorded, no browser)\n"
    "  select ROW|-                   clicks a row of the list (from 0; '-' selects none)\n"
    "  double-click ROW               double-clicks a row of the list\n"
    "  press KEYS                     a key of the shortcut table (Ctrl+Shift+C, Ctrl+T, F1,\n"
    "                                 Ctrl+C while the list has the focus, Alt+1, ...)\n"
    "  menu quiz-log                  the 答え合わせの記録 item (the quiz log's report)\n"
    "  quiz-log PATH                  puts the log PATH where the window keeps its quiz log\n"
    "  quiz-log unwritable|writable   sets the log aside with a folder in its place, so that\n"
    "                                 no line can be appended, and puts it back\n"
    "expecting:\n"
    "  expect text ID TEXT            expect checked ID 0|1      expect enabled ID 0|1\n"
    "  expect focus ID                expect title TEXT          expect rows N\n"
    "  expect cell ROW COL TEXT       expect names A,B,...       expect columns A,B,...\n"
    "  expect message CAPTION|TEXT    expect nomessage\n"
    "  expect ini SECTION KEY VALUE   expect state FIELD INTEGER\n"
    "  expect tooltip ID TEXT         expect notice TEXT\n"
    "  expect clipboard TEXT|-        the clipboard's text ('-': nothing copied)\n"
    "  expect opened TEXT|-           the last document opened ends with TEXT\n"
    "  expect topmost 0|1             whether the window is kept on top\n"
    "the picture columns of the damage layout (COL 15 与ダメ図, 16 被ダメ図; ROW from 0):\n"
    "  expect pictures N              the number of picture columns (0 outside that layout)\n"
    "  expect bar ROW COL LOW HIGH|?  a row's bar ends, or '?' for a row without a bar\n"
    "  expect solid ROW COL LOW HIGH  its part without the tolerance (the rest drawn lighter)\n"
    "  expect axis COL LOW HIGH       the axis the whole column shares\n"
    "  expect marks COL V1,V2,...|-   the typed values drawn as lines through the column\n"
    "  expect quiz-log N [TEXT]       the quiz log holds N lines, the last containing TEXT\n"
    "\n"
    "control names:\n";

void printLanguage()
{
    std::cout << kUsage << kLanguage;
    std::string line = " ";
    for (const auto& [name, id] : kestrel::ui::mainWindowControlNames()) {
        const std::string entry = " " + name + "=" + std::to_string(id);
        if (line.size() + entry.size() > 80) {
            std::cout << line << "\n";
            line = " ";
        }
        line += entry;
    }
    std::cout << line << "\n";
}

}  // namespace

int main(int argc, char** argv)
{
    using namespace kestrel::scenario;
    const std::vector<std::string> args = kestrel::commandLineArguments(argc, argv);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        printLanguage();
        return 0;
    }
    if (args.size() != 1) {
        std::cerr << kUsage;
        return kCannotRun;
    }
    const std::string scriptPath = args[0];
    const auto text = kestrel::readWholeFile(scriptPath);
    if (!text) {
        std::cerr << scriptPath << ": cannot read the script\n";
        return kCannotRun;
    }
    return runScript(*text, scriptPath, std::cout);
}

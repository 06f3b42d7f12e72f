#pragma once
// One run of a scenario script: the temporary folder that holds the settings
// file and the definition files, the in-memory control set, the window while it
// is open, and the failures reported so far.

#include "scenario/script.h"
#include "ui/main_window/window.h"
#include "ui/memory_controls.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace kestrel::scenario {

struct Session {
    std::string scriptName;           // as given on the command line, for reports
    std::filesystem::path scriptDir;  // relative paths of the script start here
    std::filesystem::path folder;     // the run's temporary folder
    std::string settingsPath;         // the settings file inside it
    std::ostream* out = nullptr;
    int failures = 0;

    // The controls outlive the window that works on them.
    ui::MemoryControls controls;
    std::unique_ptr<ui::CKestrelDlg> window;

    // Reports one failed line: "SCRIPT:LINE: expected …, saw …".
    void fail(const Command& command, std::string_view expected, std::string_view seen);
    // Reports a line whose arguments do not fit its command.
    void malformed(const Command& command, std::string_view expected);
    // True when the window is open; otherwise reports the line.
    bool needWindow(const Command& command);
};

// Code page 932 form of a script text; nullopt when a character has none.
std::optional<std::string> toCp932(std::string_view utf8);
// A code page 932 text quoted for a report (UTF-8, line feeds as "\n").
std::string quote(std::string_view cp932);
// A control identifier or count: decimal digits only, nullopt otherwise.
std::optional<int> parseNumber(std::string_view text);
// A main window control by number or by name ("1018" or "metal-button").
std::optional<int> parseControl(std::string_view text);

// The picture columns' expectations (bar, solid, axis, marks, pictures); false
// for another kind.
bool runPictureExpectation(Session& session, const Command& command, std::string_view kind);
// select, double-click and press; false for another command.
bool runListOrKey(Session& session, const Command& command);
// The clipboard, the guide opened and the window kept on top; false for another kind.
bool runRecordedExpectation(Session& session, const Command& command, std::string_view kind);

// Runs one "expect …" command.
void runExpectation(Session& session, const Command& command);

// The 答え合わせ commands (quiz_log_commands.cpp).
void runQuizAnswer(Session& session, const Command& command);
void runQuizLog(Session& session, const Command& command);
void expectQuizLog(Session& session, const Command& command);

}  // namespace kestrel::scenario

#include "scenario/runner.h"

#include "platform/cp932.h"
#include "platform/file_names.h"
#include "platform/ini_file.h"
#include "scenario/session.h"
#include "ui/keyboard/shortcuts.h"
#include "ui/list/list_view.h"

#include <algorithm>
#include <random>
#include <system_error>
#include <vector>

namespace kestrel::scenario {

namespace {

namespace fs = std::filesystem;

// The Config dialog's "Information Message Reset" button.
constexpr int kConfigInformationReset = 3;

// A fresh folder under the system's temporary folder; empty on failure.
fs::path makeTemporaryFolder()
{
    std::error_code error;
    const fs::path base = fs::temp_directory_path(error);
    if (error)
        return {};
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path folder = base / ("kestrel-scenario-" + std::to_string(random()));
        if (fs::create_directory(folder, error))
            return folder;
        if (error)
            return {};
    }
    return {};
}

// Brings a file named by the script (relative to the script) into the folder,
// under its own name, and gives the copy's path. A file that does not exist
// stays missing in the folder too, so a story can meet an unreadable file.
std::optional<fs::path> bringIntoFolder(Session& session, const Command& command, std::string_view named)
{
    const fs::path source = session.scriptDir / pathFromUtf8(named);
    const fs::path target = session.folder / source.filename();
    std::error_code error;
    if (!fs::exists(source, error))
        return target;
    fs::copy_file(source, target, fs::copy_options::overwrite_existing, error);
    if (error) {
        session.fail(command, "a copy of " + std::string(named) + " in the folder", error.message());
        return std::nullopt;
    }
    return target;
}

// Writes one key of the settings file on disk (texts in code page 932).
void writeSetting(Session& session, const Command& command, std::string_view section, std::string_view key,
                  std::string_view value)
{
    IniFile ini = IniFile::parse(readWholeFile(session.settingsPath).value_or(std::string()));
    ini.setValue(section, key, value);
    if (!writeFileAtomically(session.settingsPath, ini.serialise()))
        session.fail(command, "the settings file written", "the write failed");
}

bool needNoWindow(Session& session, const Command& command)
{
    if (!session.window)
        return true;
    session.fail(command, "'" + command.name + "' before start or after close", "the window open");
    return false;
}

void runIni(Session& session, const Command& command)
{
    if (!needNoWindow(session, command))
        return;
    const auto section = toCp932(command.args[0]);
    const auto key = toCp932(command.args[1]);
    const auto value = toCp932(command.args[2]);
    if (!section || !key || !value)
        return session.malformed(command, "texts with a code page 932 form");
    writeSetting(session, command, *section, *key, *value);
}

void runMonsters(Session& session, const Command& command)
{
    if (!needNoWindow(session, command))
        return;
    if (command.args[0].empty())
        return session.malformed(command, "the form 'monsters PATH'");
    const auto copy = bringIntoFolder(session, command, command.args[0]);
    if (copy)
        writeSetting(session, command, "SETTING", "MONSTERFILE", settingsPathOf(utf8FromPath(*copy)));
}

void runAnswer(Session& session, const Command& command)
{
    const std::string& answer = command.args[0];
    if (answer == "OK")
        return session.controls.queueAnswer(ui::MessageAnswer::Ok);
    if (answer == "Yes")
        return session.controls.queueAnswer(ui::MessageAnswer::Yes);
    if (answer == "No")
        return session.controls.queueAnswer(ui::MessageAnswer::No);
    if (answer == "Cancel")
        return session.controls.queueAnswer(ui::MessageAnswer::Cancel);
    session.malformed(command, "the form 'answer OK|Yes|No|Cancel'");
}

void runFile(Session& session, const Command& command)
{
    const std::string& named = command.args[0];
    if (named.empty())
        return session.malformed(command, "the form 'file PATH|Cancel'");
    if (named == "Cancel")
        return session.controls.queueFile(std::nullopt);
    if (const auto copy = bringIntoFolder(session, command, named))
        session.controls.queueFile(utf8FromPath(*copy));
}

// "OK 1005=120 1022=name with blanks": how a dialog is filled and closed. A
// word that does not start a new ID=TEXT goes on the text before it with its blank.
void runDialog(Session& session, const Command& command, bool mayReset)
{
    const std::vector<std::string> words = splitText(command.args[0], ' ');
    const std::string usage = mayReset ? "config OK|Cancel|Reset [ID=TEXT ...]" : "user OK|Cancel [ID=TEXT ...]";
    if (words.empty())
        return session.malformed(command, "the form '" + usage + "'");
    ui::DialogScript script;
    if (words[0] == "OK") {
        script.ok = true;
    } else if (mayReset && words[0] == "Reset") {
        script.ok = true;
        script.clicks.push_back(kConfigInformationReset);
    } else if (words[0] != "Cancel") {
        return session.malformed(command, "the form '" + usage + "'");
    }
    for (std::size_t i = 1; i < words.size(); ++i) {
        const std::string& word = words[i];
        const std::size_t equals = word.find('=');
        const auto id = equals == std::string::npos ? std::nullopt : parseNumber(word.substr(0, equals));
        if (id) {
            script.fills.emplace_back(*id, word.substr(equals + 1));
        } else if (!script.fills.empty()) {
            script.fills.back().second += ' ' + word;
        } else if (!word.empty()) {
            return session.malformed(command, "the form '" + usage + "'");
        }
    }
    for (auto& fill : script.fills) {
        const auto text = toCp932(fill.second);
        if (!text)
            return session.malformed(command, "texts with a code page 932 form");
        fill.second = *text;
    }
    session.controls.queueDialog(std::move(script));
}

// "start FILE": the program started with a definition file argument.
void runStart(Session& session, const Command& command)
{
    if (!needNoWindow(session, command))
        return;
    std::string argument;
    if (!command.args[0].empty()) {
        const auto copy = bringIntoFolder(session, command, command.args[0]);
        if (!copy)
            return;
        argument = copy->string();
    }
    session.window = std::make_unique<ui::CKestrelDlg>(session.controls, session.settingsPath);
    session.window->OnInitDialog(argument);
    session.controls.flushPostedFocus();
}

void runClose(Session& session, const Command& command)
{
    if (!command.args[0].empty())
        return session.malformed(command, "the form 'close'");
    if (!session.needWindow(command))
        return;
    session.window.reset();
}

void runType(Session& session, const Command& command)
{
    if (!session.needWindow(command))
        return;
    const auto id = parseControl(command.args[0]);
    const auto text = toCp932(command.args[1]);
    if (!id || !text)
        return session.malformed(command, "the form 'type ID TEXT'");
    if (!session.controls.type(*id, *text))
        session.fail(command, "edit " + command.args[0] + " to take the text", "it missing, disabled or no edit");
}

void runKey(Session& session, const Command& command)
{
    if (!session.needWindow(command))
        return;
    const auto id = parseControl(command.args[0]);
    const auto text = toCp932(command.args[1]);
    if (!id || !text || text->size() != 1)
        return session.malformed(command, "the form 'key ID C' (C one single-byte character)");
    if (!session.controls.key(*id, (*text)[0]))
        session.fail(command, "edit " + command.args[0] + " to take the key", "it missing, disabled or no edit");
}

void runClick(Session& session, const Command& command)
{
    if (!session.needWindow(command))
        return;
    const auto id = parseControl(command.args[0]);
    if (!id)
        return session.malformed(command, "the form 'click ID'");
    if (!session.controls.click(*id))
        session.fail(command, "control " + command.args[0] + " to take the click",
                     "it missing, disabled or not clickable");
}

void runFocus(Session& session, const Command& command)
{
    if (!session.needWindow(command))
        return;
    const auto id = parseControl(command.args[0]);
    if (!id)
        return session.malformed(command, "the form 'focus ID'");
    if (!session.controls.focusByUser(*id))
        session.fail(command, "control " + command.args[0] + " to take the focus", "it missing, disabled or a text");
}

// "shortcut Ctrl+Shift+Z": the key clicks its control, or runs its command
// where it has none, as the window systems do.
void runShortcut(Session& session, const Command& command)
{
    if (!session.needWindow(command))
        return;
    const auto& table = ui::mainWindowShortcuts();
    const auto it =
        std::find_if(table.begin(), table.end(), [&](const ui::Shortcut& s) { return s.keys == command.args[0]; });
    if (it == table.end())
        return session.malformed(command, "a key of the shortcut table (see the key list)");
    if (session.controls.exists(it->id)) {
        if (!session.controls.click(it->id))
            session.fail(command, "control of " + it->keys + " to take the click", "it disabled");
        return;
    }
    session.controls.command(it->id);
}

// "header COL": a click on a column header of the candidate list.
void runHeader(Session& session, const Command& command)
{
    if (!session.needWindow(command))
        return;
    const auto column = parseNumber(command.args[0]);
    if (!column)
        return session.malformed(command, "the form 'header COL'");
    if (!session.controls.clickHeader(ui::kIdList, *column))
        session.fail(command, "column " + command.args[0] + " of the list to take the click", "no such column");
}

void runMenu(Session& session, const Command& command)
{
    const std::string& item = command.args[0];
    const bool beside = item == "topmost-on" || item == "topmost-off" || item == "guide";
    if (item != "about" && item != "check" && item != "keys" && item != "hints-off" && item != "hints-on" &&
        item != "quiz-log" && !beside)
        return session.malformed(command,
                                 "the form 'menu about|check|keys|hints-off|hints-on|quiz-log|topmost-on|"
                                 "topmost-off|guide'");
    if (!session.needWindow(command))
        return;
    if (item.starts_with("hints-"))
        session.window->onHintPanelCommand(item == "hints-on");
    if (item == "about")
        session.window->onAboutCommand();
    if (item == "check")
        session.window->onCheckDefinitionFile();
    if (item == "keys")
        session.window->onKeyListCommand();
    if (item.starts_with("topmost-"))
        session.window->onTopmostCommand(item == "topmost-on");
    if (item == "guide")
        session.window->onGuideCommand();
    if (item == "quiz-log")
        session.window->onQuizLogReport();
    session.controls.flushPostedFocus();
}

void runCommand(Session& session, const Command& command)
{
    const std::string& name = command.name;
    if (!command.error.empty())
        return session.malformed(command, command.error);
    if (name.starts_with("expect "))
        return runExpectation(session, command);
    if (name == "ini")
        return runIni(session, command);
    if (name == "monsters")
        return runMonsters(session, command);
    if (name == "answer")
        return runAnswer(session, command);
    if (name == "file")
        return runFile(session, command);
    if (name == "user")
        return runDialog(session, command, false);
    if (name == "config")
        return runDialog(session, command, true);
    if (name == "start")
        return runStart(session, command);
    if (name == "close")
        return runClose(session, command);
    if (name == "type")
        return runType(session, command);
    if (name == "key")
        return runKey(session, command);
    if (name == "click")
        return runClick(session, command);
    if (name == "menu")
        return runMenu(session, command);
    if (name == "header")
        return runHeader(session, command);
    if (runListOrKey(session, command))
        return;
    if (name == "quiz-answer")
        return runQuizAnswer(session, command);
    if (name == "quiz-log")
        return runQuizLog(session, command);
    if (name == "focus")
        return runFocus(session, command);
    if (name == "shortcut")
        return runShortcut(session, command);
    session.malformed(command, "a known command");
}

}  // namespace

int runScript(std::string_view text, const std::string& scriptPath, std::ostream& out)
{
    const fs::path folder = makeTemporaryFolder();
    if (folder.empty()) {
        out << scriptPath << ": cannot make a temporary folder\n";
        return kCannotRun;
    }
    int failures = 0;
    {
        Session session;
        session.scriptName = scriptPath;
        session.scriptDir = pathFromUtf8(scriptPath).parent_path();
        session.folder = folder;
        session.settingsPath = utf8FromPath(folder / "Kestrel.ini");
        session.out = &out;
        for (const Command& command : parseScript(text))
            runCommand(session, command);
        session.window.reset();  // a window still open is closed (and saves) before the folder goes
        failures = session.failures;
    }
    std::error_code error;
    fs::remove_all(folder, error);
    return failures == 0 ? kAllHeld : kSomeFailed;
}

}  // namespace kestrel::scenario

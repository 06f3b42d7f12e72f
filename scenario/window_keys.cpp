// The list's rows and the keys of the shortcut table as a player uses them,
// and what they leave beside the game: the clipboard, the window kept on top,
// the guide opened.

#include "scenario/session.h"
#include "ui/keyboard/shortcuts.h"
#include "ui/list/list_view.h"

#include <algorithm>

namespace kestrel::scenario {

namespace {

// "select ROW" (or "-" for none): a click on a row of the list.
void runSelect(Session& session, const Command& command)
{
    const auto row = command.args[0] == "-" ? std::optional<int>(-1) : parseNumber(command.args[0]);
    if (!row)
        return session.malformed(command, "the form 'select ROW|-'");
    if (!session.controls.selectRow(ui::kIdList, *row))
        session.fail(command, "row " + command.args[0] + " of the list to take the click", "no such row");
}

// "double-click ROW"
void runDoubleClick(Session& session, const Command& command)
{
    const auto row = parseNumber(command.args[0]);
    if (!row)
        return session.malformed(command, "the form 'double-click ROW'");
    if (!session.controls.activateRow(ui::kIdList, *row))
        session.fail(command, "row " + command.args[0] + " of the list to take the double click", "no such row");
}

// "press KEYS": a key of the shortcut table, where the focus is now.
void runPress(Session& session, const Command& command)
{
    const bool listFocused = session.controls.focus() == ui::kIdList;
    const ui::Shortcut* shortcut = ui::shortcutOfKeys(command.args[0], listFocused);
    if (shortcut == nullptr)
        return session.fail(command, "a key of the shortcut table " + command.args[0], "none here");
    const bool taken =
        ui::isCommand(shortcut->id) ? session.controls.command(shortcut->id) : session.controls.click(shortcut->id);
    if (!taken)
        session.fail(command, "the key " + command.args[0] + " to be taken", "its control missing or disabled");
}

// "expect clipboard TEXT" ("-" for an empty clipboard), "expect opened TEXT"
// (the last document opened ends with TEXT; "-" for none), "expect topmost 0|1".
void expectRecorded(Session& session, const Command& command, std::string_view kind)
{
    const std::string& text = command.args[0];
    if (kind == "topmost") {
        if (text != "0" && text != "1")
            return session.malformed(command, "the form 'expect topmost 0|1'");
        if (session.controls.topmost() != (text == "1"))
            session.fail(command, "topmost " + text, session.controls.topmost() ? "1" : "0");
        return;
    }
    if (kind == "opened") {
        const auto& opened = session.controls.openedDocuments();
        std::string seen = opened.empty() ? "-" : opened.back();
        std::replace(seen.begin(), seen.end(), '\\', '/');  // a Windows path reads as any other
        const bool holds = text == "-" ? opened.empty() : !opened.empty() && seen.ends_with(text);
        if (!holds)
            session.fail(command, "opened " + text, seen);
        return;
    }
    const std::string& seen = session.controls.clipboard();
    const auto expected = text == "-" ? std::optional<std::string>("") : toCp932(text);
    if (!expected)
        return session.malformed(command, "a text with a code page 932 form");
    if (*expected != seen)
        session.fail(command, "clipboard " + quote(*expected), seen.empty() ? "-" : quote(seen));
}

}  // namespace

bool runListOrKey(Session& session, const Command& command)
{
    const std::string& name = command.name;
    if (name != "select" && name != "double-click" && name != "press")
        return false;
    if (!session.needWindow(command))
        return true;
    if (name == "select")
        runSelect(session, command);
    else if (name == "double-click")
        runDoubleClick(session, command);
    else
        runPress(session, command);
    return true;
}

bool runRecordedExpectation(Session& session, const Command& command, std::string_view kind)
{
    if (kind != "clipboard" && kind != "opened" && kind != "topmost")
        return false;
    expectRecorded(session, command, kind);
    return true;
}

}  // namespace kestrel::scenario

#pragma once
// The main window at the keyboard: which controls a click leaves the focus
// alone for (so digits typed next still reach the edit the player was in), and
// the shortcut of every observation button, family button, RESET and layout
// radio. Every window system takes its keys from this table; the tooltips that
// show them are set by the window logic, like every other text.
//
// The keys never type anything into an edit: Alt+digit for the observation
// buttons, Alt+letter for the confirm row and Alt+Shift+letter for the exclude
// row (the letters Q..P, A..F in the row's order, as the keys lie on the
// keyboard), Ctrl+digit for the layouts and Ctrl+R for RESET. No Ctrl+letter an
// edit uses itself (select all, copy, undo, line editing) is taken, but for
// Ctrl+C where the list has the focus (a list copies nothing else).
//
// A few keys run a command of the window that has no control (always on top,
// copying the answer's name, the guide): their id is the command's, and the
// window system hands them to the logic's onCommand instead of a click.
// Ctrl+Shift+Z, which brings back what a reset cleared, is such a command too.
// The window systems keep the table's keys from the edits.

#include "ui/controls.h"

#include <string>
#include <string_view>
#include <vector>

namespace kestrel::ui {

struct Shortcut {
    int id;               // the control the key clicks, or the command it runs (ui/ids.h)
    std::string keys;     // "Alt+Shift+Q": modifiers Ctrl, Alt, Shift, then one key, joined by "+"
    std::string what;     // code page 932: what the click does
    bool inList = false;  // taken only while the candidate list has the focus
};

// Every shortcut of the main window, in the order of the key list.
const std::vector<Shortcut>& mainWindowShortcuts();
// The shortcut that clicks id, nullptr when it has none.
const Shortcut* shortcutOf(int id);
// The shortcut of keys ("Ctrl+Shift+C") where the focus is now: the list's own
// keys only while the list has it; nullptr for none.
const Shortcut* shortcutOfKeys(std::string_view keys, bool listFocused);
// The key list of the help menu: one "keys<TAB>what" line each (code page 932).
std::string shortcutListText();
// The tooltip line of a shortcut: "what（keys）" (code page 932).
std::string shortcutToolTip(const Shortcut& shortcut);
// A control's tooltip: text (empty for none), then the line of its shortcut when
// it has one.
std::string toolTipWithShortcut(int id, const std::string& text);
// Gives every shortcut control its shortcut line as tooltip.
void showShortcutToolTips(Controls& controls);

// Whether id is a command of the window rather than a control.
bool isCommand(int id);

// Whether a click on this control leaves the keyboard focus where it was: the
// radio buttons, the family rows, the observation value buttons and RESET.
bool clickKeepsFocus(const ControlSpec& item);

}  // namespace kestrel::ui

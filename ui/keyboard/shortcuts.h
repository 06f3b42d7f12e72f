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
// keyboard), Ctrl+digit for the layouts, Ctrl+R for RESET and Ctrl+Shift+Z to
// bring back what a reset cleared (a command with no control). No Ctrl+letter
// an edit uses itself (select all, copy, undo, line editing) is taken; the
// window systems keep the table's keys from the edits.

#include "ui/controls.h"

#include <string>
#include <vector>

namespace kestrel::ui {

struct Shortcut {
    int id;            // the control the key clicks, or the command it runs (ui/ids.h)
    std::string keys;  // "Alt+Shift+Q": modifiers Ctrl, Alt, Shift, then one key, joined by "+"
    std::string what;  // code page 932: what the click does
};

// Every shortcut of the main window, in the order of the key list.
const std::vector<Shortcut>& mainWindowShortcuts();
// The shortcut that clicks id, nullptr when it has none.
const Shortcut* shortcutOf(int id);
// The key list of the help menu: one "keys<TAB>what" line each (code page 932).
std::string shortcutListText();
// The tooltip line of a shortcut: "what（keys）" (code page 932).
std::string shortcutToolTip(const Shortcut& shortcut);
// A control's tooltip: text (empty for none), then the line of its shortcut when
// it has one.
std::string toolTipWithShortcut(int id, const std::string& text);
// Gives every shortcut control its shortcut line as tooltip.
void showShortcutToolTips(Controls& controls);

// Whether a click on this control leaves the keyboard focus where it was: the
// radio buttons, the family rows, the observation value buttons and RESET.
bool clickKeepsFocus(const ControlSpec& item);

}  // namespace kestrel::ui

#pragma once
// The main window's keyboard on Win32: the controls a click leaves the focus
// alone for, and the shortcut table's keys (the window logic shows them in the
// controls' tooltips).

#include "ui/win32/win32_controls.h"

#include <windows.h>

namespace kestrel::ui::win32 {

void installKeyboard(Win32Controls& controls);

// The control a key clicks (or the command it runs) with the modifiers held now
// (GetKeyState); the list's own keys only while the list has the focus; 0 for none.
int shortcutFor(UINT key, bool listFocused = false);

// "Alt+Shift+Q" (or "F1") as a virtual-key code and the modifiers it needs; false when
// the text names no key this window knows.
struct KeyChord {
    UINT key = 0;
    bool ctrl = false, alt = false, shift = false;
};
bool parseKeys(const std::string& keys, KeyChord& chord);

}  // namespace kestrel::ui::win32

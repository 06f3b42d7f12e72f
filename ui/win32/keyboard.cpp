#include "ui/win32/keyboard.h"

#include "ui/keyboard/shortcuts.h"
#include "ui/main_window/control_set.h"

#include <string_view>

namespace kestrel::ui::win32 {

bool parseKeys(const std::string& keys, KeyChord& chord)
{
    chord = {};
    std::string_view rest = keys;
    while (true) {
        const std::size_t plus = rest.find('+');
        const std::string_view part = rest.substr(0, plus);
        if (plus == std::string_view::npos) {
            // F1 .. F12
            if (part.size() >= 2 && part.size() <= 3 && part.front() == 'F') {
                const int n = part.size() == 2 ? part[1] - '0' : (part[1] - '0') * 10 + (part[2] - '0');
                if (n < 1 || n > 12 || part[1] < '1' || part[1] > '9')
                    return false;
                chord.key = static_cast<UINT>(VK_F1 + n - 1);
                return true;
            }
            if (part.size() != 1)
                return false;
            const char c = part.front();
            if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) {
                chord.key = static_cast<UINT>(c);  // letters and digits are their own virtual keys
                return true;
            }
            return false;
        }
        if (part == "Ctrl")
            chord.ctrl = true;
        else if (part == "Alt")
            chord.alt = true;
        else if (part == "Shift")
            chord.shift = true;
        else
            return false;
        rest.remove_prefix(plus + 1);
    }
}

int shortcutFor(UINT key, bool listFocused)
{
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    const bool alt = GetKeyState(VK_MENU) < 0;
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    for (const Shortcut& shortcut : mainWindowShortcuts()) {
        KeyChord chord;
        if ((!shortcut.inList || listFocused) && parseKeys(shortcut.keys, chord) && chord.key == key &&
            chord.ctrl == ctrl && chord.alt == alt && chord.shift == shift)
            return shortcut.id;
    }
    return 0;
}

void installKeyboard(Win32Controls& controls)
{
    // Such a control is reached by Tab but a click leaves the focus in the
    // edit the player typed in.
    for (const ControlSpec& item : mainWindowControls()) {
        if (clickKeepsFocus(item))
            controls.keepFocusOnClick(item.id);
    }
}

}  // namespace kestrel::ui::win32

#pragma once
// One control of the Win32 control set: its window and what the set keeps
// beside it.

#include "ui/controls.h"

#include <windows.h>

#include <string>
#include <vector>

namespace kestrel::ui::win32 {

struct Control {
    ControlSpec item;
    HWND window = nullptr;
    // The last text written, as given and as shown: read back as given while the
    // window still shows it, so bytes that form no character survive.
    std::string written;
    std::wstring shown;
    std::wstring toolTip;
    bool hasToolTip = false;
    // The check state of a kind that has none on screen (kept as the logic set it).
    bool checked = false;
    // Inside a write of the set's own (its EN_CHANGE is not the user's).
    int selfWrites = 0;
    // Inside the window's WM_SETFOCUS (a radio's BN_CLICKED then is not a click).
    int focusChanging = 0;
    // The list's rows; the window shows how many once the pending update ends.
    std::vector<std::vector<std::string>> rows;
    bool updatePending = false;
};

}  // namespace kestrel::ui::win32

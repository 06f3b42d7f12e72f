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
    // The group frame a text is shown as, once the layout asks for one.
    HWND frame = nullptr;
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
    // A click leaves the keyboard focus where it was (with the window that had it).
    bool keepsFocus = false;
    HWND focusBefore = nullptr;
    // The list's rows; the window shows how many once the pending update ends.
    std::vector<std::vector<std::string>> rows;
    bool updatePending = false;
    // The list's columns drawn as pictures, for the rows it holds.
    std::vector<ListPicture> pictures;
    // What each column's markers mean, shown over its header; the tooltip
    // window they are in.
    std::vector<std::wstring> columnTips;
    HWND tips = nullptr;
};

}  // namespace kestrel::ui::win32

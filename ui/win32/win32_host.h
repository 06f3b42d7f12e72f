#pragma once
// A top-level window that hosts a control set: it passes the controls'
// messages on and runs the keyboard rules every window of the program shares
// (Tab moves between controls, Enter ends nothing, Escape closes the window).

#include "ui/win32/win32_controls.h"

#include <windows.h>

namespace kestrel::ui::win32 {

class HostWindow {
public:
    // A window of the given styles, owned by owner (nullptr for none); hidden
    // until shown.
    HostWindow(HWND owner, DWORD style, DWORD exStyle);
    virtual ~HostWindow();
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    HWND window() const { return window_; }
    Win32Controls& controls() { return *controls_; }

protected:
    // Messages the controls did not take; the default closes on WM_CLOSE by
    // calling onClose.
    virtual LRESULT message(UINT message, WPARAM wParam, LPARAM lParam);
    virtual void onClose() {}

public:
    // A key pressed anywhere in the window (virtual-key code, the modifiers
    // as GetKeyState reads them); true when it stood for something.
    virtual bool shortcut(UINT /*key*/) { return false; }

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    Win32Controls* controls_ = nullptr;
};

// The keyboard rules for a message before it is dispatched; true when taken.
bool preTranslate(MSG& message);

// Runs the message loop until done is set (false on WM_QUIT, which is posted
// again for the outer loop).
bool runMessageLoop(const bool& done);

// Runs the message loop until WM_QUIT; its exit code.
int runMessageLoop();

}  // namespace kestrel::ui::win32

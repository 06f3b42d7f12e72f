#pragma once
// Pictures of the window for the documentation, taken by driving the window
// through its controls as a player would: type a damage, click the four layout
// radios, show the damage layout's pictures of a typed value, open the window menu with 常に手前に表示 ticked, copy the
// answer once one candidate is left, open the two dialogs; then the window closes.

#include "ui/win32/win32_controls.h"

#include <string>

namespace kestrel::ui::win32 {

// Starts once the message loop runs; saves main-skills.bmp, main-location.bmp,
// main-trivia.bmp, main-damage.bmp, damage-typed.bmp, menu-window.bmp, answer-copied.bmp,
// dialog-user.bmp and dialog-config.bmp in folder (a UTF-8 path).
void takeScreenshotsLater(Win32Controls& controls, const std::string& folder);

// Saves each start-up message with window under it as first-start-N.bmp in
// folder (a UTF-8 path), then answers it with OK.
void shootFirstStartMessages(HWND window, const std::string& folder);

}  // namespace kestrel::ui::win32

#pragma once
// Pictures of the window for the documentation, taken by driving the window
// through its controls as a player would: type a damage, click the four layout
// radios, open the two dialogs; then the window closes.

#include "ui/win32/win32_controls.h"

#include <string>

namespace kestrel::ui::win32 {

// Starts once the message loop runs; saves main-skills.bmp, main-location.bmp,
// main-trivia.bmp, main-damage.bmp, dialog-user.bmp and dialog-config.bmp in
// folder (a UTF-8 path).
void takeScreenshotsLater(Win32Controls& controls, const std::string& folder);

// Saves each start-up message with window under it as first-start-N.bmp in
// folder (a UTF-8 path), then answers it with OK.
void shootFirstStartMessages(HWND window, const std::string& folder);

}  // namespace kestrel::ui::win32

#pragma once
// Pictures of the window for the documentation: when the environment variable
// KESTREL_SCREENSHOT names a folder, the program saves the main window in its
// four list layouts and the two dialogs there as PNG files, then ends.

namespace kestrel::app {

class KestrelWindow;

void takeScreenshotsIfAsked(KestrelWindow& window);

// When KESTREL_SCREENSHOT_FIRST names a folder: each start-up message, with the
// window under it, is saved there as first-start-N.png and answered with OK.
void shootFirstStartMessagesIfAsked(KestrelWindow& window);

}  // namespace kestrel::app

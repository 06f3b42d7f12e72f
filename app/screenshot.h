#pragma once
// Pictures of the window for the documentation: when the environment variable
// KESTREL_SCREENSHOT names a folder, the program saves the main window in its
// four list layouts and the two dialogs there as PNG files, then ends.

namespace kestrel::app {

class KestrelWindow;

void takeScreenshotsIfAsked(KestrelWindow& window);

}  // namespace kestrel::app

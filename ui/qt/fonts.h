#pragma once
// The window's font: Japanese text needs a font that has it.

class QApplication;

namespace kestrel::ui {

// Puts the Japanese fonts first in the application's font families: the first
// of them that is installed draws the window, the system's own font stays the
// last resort.
void preferJapaneseFonts(QApplication& app);

}  // namespace kestrel::ui

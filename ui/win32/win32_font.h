#pragma once
// The program's font: a Japanese user-interface font at 9 points, the first of
// Yu Gothic UI, Meiryo UI and MS UI Gothic the system has, else the dialog font;
// and dialog units in pixels as that font measures them.

#include <windows.h>

namespace kestrel::ui::win32 {

// The font at the given dots per inch, points larger or bold as asked; made
// once per resolution and kind and kept.
HFONT uiFont(int dpi, int extraPoints = 0, bool bold = false);
// The same face at a height of pixels (for drawings in text).
HFONT uiFontOfPixels(int pixels);

// The font's average character width and its height, as dialog boxes measure
// them (the base units of MapDialogRect).
struct BaseUnits {
    int width;
    int height;
};
BaseUnits baseUnitsOf(HFONT font);

// Dialog units in pixels.
inline int duToX(int du, BaseUnits units) { return MulDiv(du, units.width, 4); }
inline int duToY(int du, BaseUnits units) { return MulDiv(du, units.height, 8); }

// The resolution of the monitor a window is on (96 when the system cannot tell).
int dpiOf(HWND window);

}  // namespace kestrel::ui::win32

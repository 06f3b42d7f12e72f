#pragma once
// The toolkit-neutral layouts of ui/window_layout.h on Win32 windows: dialog
// units become pixels with the window's font, as MapDialogRect does.

#include "ui/win32/win32_controls.h"
#include "ui/win32/win32_font.h"

#include <windows.h>

namespace kestrel::ui::win32 {

// Places a child dialog's controls by its template; the client size it needs.
SIZE layOutDialog(Win32Controls& controls, int templateId, BaseUnits units);

// The main window: what its controls need besides a place (the arrow buttons'
// icons at the resolution), the client size it opens with and the least it
// takes, and the places of its controls in a client area of a given size.
void prepareMainWindow(Win32Controls& controls, int dpi);
SIZE mainWindowSize(BaseUnits units);
SIZE mainWindowMinimum(BaseUnits units);
void layOutMainWindow(Win32Controls& controls, SIZE client, BaseUnits units);

}  // namespace kestrel::ui::win32

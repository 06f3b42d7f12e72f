#pragma once
// The windows' descriptions of ui/layout/ on Win32 windows: dialog units become
// pixels with the window's font, as MapDialogRect does; each edge follows its
// share of the window's growth; Tab visits the controls in the description's
// order; controls it does not place are not shown.

#include "ui/win32/win32_controls.h"
#include "ui/win32/win32_font.h"

#include <windows.h>

namespace kestrel::ui::win32 {

// Places a child dialog's controls by its template; the client size it needs.
SIZE layOutDialog(Win32Controls& controls, int templateId, int dpi);

// The main window: the client size it opens with and the least it takes (with
// or without the hint panel), and the places of its controls in a client area
// of a given size.
SIZE mainWindowSize(BaseUnits units, bool withHintPanel);
SIZE mainWindowMinimum(BaseUnits units, bool withHintPanel);
void layOutMainWindow(Win32Controls& controls, SIZE client, int dpi);

}  // namespace kestrel::ui::win32

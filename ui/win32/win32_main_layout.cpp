#include "ui/win32/win32_layout.h"

namespace kestrel::ui::win32 {

void prepareMainWindow(Win32Controls&, int) {}

SIZE mainWindowSize(BaseUnits units) { return {duToX(519, units), duToY(422, units)}; }

SIZE mainWindowMinimum(BaseUnits units) { return {duToX(400, units), duToY(300, units)}; }

void layOutMainWindow(Win32Controls& controls, SIZE client, BaseUnits units)
{
    int x = 4, y = 4;
    for (int id : controls.ids()) {
        if (controls.kind(id) == ControlKind::List) {
            place(controls, id, {4, client.cy - duToY(140, units), client.cx - 4, client.cy - 4});
            continue;
        }
        place(controls, id, {x, y, x + duToX(40, units), y + duToY(12, units)});
        x += duToX(42, units);
        if (x + duToX(42, units) > client.cx) {
            x = 4;
            y += duToY(13, units);
        }
    }
}

}  // namespace kestrel::ui::win32

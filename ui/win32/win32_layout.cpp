#include "ui/win32/win32_layout.h"

#include <algorithm>
#include <vector>

namespace kestrel::ui::win32 {

namespace {

constexpr int kMargin = 7;       // dialog units
constexpr int kLine = 14;        // one line of controls
constexpr int kLabelWidth = 90;
constexpr int kFieldWidth = 90;
constexpr int kButtonWidth = 50;

bool isPushButton(ControlKind kind) { return kind == ControlKind::Button; }

// Any other dialog: a text and the control after it on one line, every other
// control on a line of its own, and the push buttons in a row at the bottom.
SIZE plainGrid(Win32Controls& controls, BaseUnits u)
{
    std::vector<int> buttons;
    int line = 0;
    int column = 0;
    for (int id : controls.ids()) {
        const ControlKind kind = controls.kind(id);
        if (isPushButton(kind)) {
            buttons.push_back(id);
            continue;
        }
        const bool text = kind == ControlKind::Static;
        if (!text && column == 0)
            column = 1;
        const int x = kMargin + column * (kLabelWidth + 4);
        const int y = kMargin + line * kLine;
        place(controls, id, {duToX(x, u), duToY(y, u), duToX(x + (column == 0 ? kLabelWidth : kFieldWidth), u),
                             duToY(y + kLine - 2, u)});
        if (text && column == 0) {
            column = 1;
        } else {
            column = 0;
            ++line;
        }
    }
    if (column != 0)
        ++line;
    const int width = kMargin * 2 + kLabelWidth + 4 + kFieldWidth;
    const int y = kMargin + line * kLine + 4;
    int x = width - kMargin - static_cast<int>(buttons.size()) * (kButtonWidth + 4) + 4;
    for (int id : buttons) {
        place(controls, id, {duToX(x, u), duToY(y, u), duToX(x + kButtonWidth, u), duToY(y + kLine, u)});
        x += kButtonWidth + 4;
    }
    return {duToX(width, u), duToY(y + kLine + kMargin, u)};
}

}  // namespace

void place(Win32Controls& controls, int id, RECT pixels)
{
    if (HWND window = controls.handle(id))
        MoveWindow(window, pixels.left, pixels.top, pixels.right - pixels.left, pixels.bottom - pixels.top, TRUE);
}

SIZE layOutDialog(Win32Controls& controls, int templateId, BaseUnits units)
{
    (void)templateId;
    return plainGrid(controls, units);
}

}  // namespace kestrel::ui::win32

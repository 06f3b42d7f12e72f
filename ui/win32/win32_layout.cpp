#include "ui/win32/win32_layout.h"

#include "ui/main_window/ids.h"
#include "ui/window_layout.h"

#include <algorithm>
#include <set>
#include <vector>

namespace kestrel::ui::win32 {

namespace {

constexpr int kMargin = 7;  // dialog units
constexpr int kLine = 14;
constexpr int kLabelWidth = 90;
constexpr int kFieldWidth = 90;
constexpr int kButtonWidth = 50;
constexpr int kTallestSingleLine = 14;

constexpr int kLeftIcon = 2;  // the program's resources
constexpr int kRightIcon = 3;

RECT pixels(const layout::Rect& du, BaseUnits u)
{
    return {duToX(du.x, u), duToY(du.y, u), duToX(du.x + du.width, u), duToY(du.y + du.height, u)};
}

void move(HWND window, RECT r)
{
    MoveWindow(window, r.left, r.top, r.right - r.left, r.bottom - r.top, FALSE);
}

// Alignment and the sunken field are styles of the window itself.
void applyStyle(HWND window, ControlKind kind, const layout::Placement& place)
{
    LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    if (kind == ControlKind::Static) {
        style &= ~static_cast<LONG_PTR>(SS_TYPEMASK | SS_CENTERIMAGE);
        style |= place.align == Align::Right ? SS_RIGHT : place.align == Align::Centre ? SS_CENTER : SS_LEFT;
        if (place.rect.height <= kTallestSingleLine)
            style |= SS_CENTERIMAGE;  // one line, in the middle of its height
    } else if (kind == ControlKind::Edit) {
        style &= ~static_cast<LONG_PTR>(ES_CENTER | ES_RIGHT);
        style |= place.align == Align::Right ? ES_RIGHT : place.align == Align::Centre ? ES_CENTER : ES_LEFT;
    } else {
        return;
    }
    SetWindowLongPtrW(window, GWL_STYLE, style);
    if (place.sunken) {
        SetWindowLongPtrW(window, GWL_EXSTYLE, GetWindowLongPtrW(window, GWL_EXSTYLE) | WS_EX_STATICEDGE);
        SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    }
}

// Every control with a place goes there; every other one is hidden.
void apply(Win32Controls& controls, const layout::WindowLayout& layout, BaseUnits u)
{
    std::set<int> placed;
    for (const layout::Placement& place : layout.items) {
        HWND window = controls.handle(place.id);
        if (window == nullptr)
            continue;
        placed.insert(place.id);
        if (place.frame) {
            controls.showAsFrame(place.id, pixels(place.rect, u));
            continue;
        }
        applyStyle(window, controls.kind(place.id), place);
        move(window, pixels(place.rect, u));
        ShowWindow(window, SW_SHOWNA);
    }
    for (int id : controls.ids()) {
        if (placed.count(id) == 0)
            ShowWindow(controls.handle(id), SW_HIDE);
    }
}

// Any other dialog: a text and the control after it on one line, every other
// control on a line of its own, and the push buttons in a row at the bottom.
SIZE plainGrid(Win32Controls& controls, BaseUnits u)
{
    layout::WindowLayout grid;
    std::vector<int> buttons;
    int line = 0;
    int column = 0;
    for (int id : controls.ids()) {
        const ControlKind kind = controls.kind(id);
        if (kind == ControlKind::Button) {
            buttons.push_back(id);
            continue;
        }
        const bool text = kind == ControlKind::Static;
        if (!text && column == 0)
            column = 1;
        const int x = kMargin + column * (kLabelWidth + 4);
        grid.items.push_back({id, {x, kMargin + line * kLine, column == 0 ? kLabelWidth : kFieldWidth, kLine - 2}});
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
        grid.items.push_back({id, {x, y, kButtonWidth, kLine}});
        x += kButtonWidth + 4;
    }
    apply(controls, grid, u);
    return {duToX(width, u), duToY(y + kLine + kMargin, u)};
}

void setIcon(Win32Controls& controls, int id, int icon, int size)
{
    HWND button = controls.handle(id);
    if (button == nullptr)
        return;
    auto* image = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(icon), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
    if (image == nullptr) {
        SetWindowTextW(button, icon == kLeftIcon ? L"<" : L">");  // a program without the icons
        return;
    }
    SetWindowLongPtrW(button, GWL_STYLE, GetWindowLongPtrW(button, GWL_STYLE) | BS_ICON);
    auto* previous = reinterpret_cast<HICON>(
        SendMessageW(button, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(image)));
    if (previous != nullptr)
        DestroyIcon(previous);
}

}  // namespace

SIZE layOutDialog(Win32Controls& controls, int templateId, BaseUnits units)
{
    const layout::WindowLayout described = layout::dialogLayout(templateId);
    if (described.items.empty())
        return plainGrid(controls, units);
    apply(controls, described, units);
    return {duToX(described.width, units), duToY(described.height, units)};
}

void prepareMainWindow(Win32Controls& controls, int dpi)
{
    const int size = MulDiv(12, dpi, 96);
    for (int id : {id::kUserDown, id::kMoonsaultDown, id::kTakenDown, id::kDealtDown, id::kSpecialDown})
        setIcon(controls, id, kLeftIcon, size);
    for (int id : {id::kUserUp, id::kMoonsaultUp, id::kTakenUp, id::kDealtUp, id::kSpecialUp})
        setIcon(controls, id, kRightIcon, size);
}

SIZE mainWindowSize(BaseUnits units)
{
    return {duToX(layout::kMainWindowWidth, units), duToY(layout::kMainWindowHeight, units)};
}

SIZE mainWindowMinimum(BaseUnits units)
{
    return {duToX(layout::kMainWindowMinWidth, units), duToY(layout::kMainWindowMinHeight, units)};
}

void layOutMainWindow(Win32Controls& controls, SIZE client, BaseUnits units)
{
    // Client pixels back to dialog units, rounded down so nothing spills over.
    const int width = MulDiv(client.cx, 4, units.width);
    const int height = MulDiv(client.cy, 8, units.height);
    const layout::WindowLayout described = layout::mainWindowLayout(width, height);
    apply(controls, described, units);
    // The notice line under everything else.
    move(controls.noticeLine(), pixels({5, described.height - 13, described.width - 10, 11}, units));
}

}  // namespace kestrel::ui::win32

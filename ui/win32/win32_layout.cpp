#include "ui/win32/win32_layout.h"

#include "ui/layout/layout.h"

#include <algorithm>
#include <set>
#include <vector>

namespace kestrel::ui::win32 {

namespace {

using layout::Look;
using layout::Placement;

constexpr int kLeftIcon = 2;  // the program's resources
constexpr int kRightIcon = 3;

// What one part of a window is mapped with: its origin in the client area in
// pixels, its size in dialog units, the font's units and resolution.
struct Mapping {
    const layout::Window& part;
    POINT origin;
    int width, height;  // dialog units
    BaseUnits units;
    int dpi;
};

RECT pixels(const layout::Rect& du, const Mapping& m)
{
    const layout::Rect r = du;
    return {m.origin.x + duToX(r.x, m.units), m.origin.y + duToY(r.y, m.units),
            m.origin.x + duToX(r.x + r.width, m.units), m.origin.y + duToY(r.y + r.height, m.units)};
}

RECT placed(const layout::Rect& rect, const layout::Follow& follow, const Mapping& m)
{
    return pixels(layout::placedAt(rect, follow, m.part, m.width, m.height), m);
}

HFONT fontOf(layout::FontRole role, const Mapping& m)
{
    switch (role) {
    case layout::FontRole::Panel: return uiFont(m.dpi, 1);
    case layout::FontRole::Heading: return uiFont(m.dpi, 0, true);
    case layout::FontRole::Drawing:
        // A full-width character is about as wide as the font's pixel height.
        return uiFontOfPixels(duToX(8, m.units));
    case layout::FontRole::Dialog: break;
    }
    return uiFont(m.dpi);
}

void setIcon(HWND button, int icon, int size)
{
    auto* image = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(icon), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
    if (image == nullptr) {
        SetWindowTextW(button, icon == kLeftIcon ? L"<" : L">");  // a program without the icons
        return;
    }
    SetWindowLongPtrW(button, GWL_STYLE, GetWindowLongPtrW(button, GWL_STYLE) | BS_ICON);
    auto* previous =
        reinterpret_cast<HICON>(SendMessageW(button, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(image)));
    if (previous != nullptr)
        DestroyIcon(previous);
}

// Alignment, wrapping, the sunken box, the arrows and Tab are the window's own styles.
void applyLook(HWND window, ControlKind kind, const Placement& p, const Mapping& m)
{
    LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    if (kind == ControlKind::Static) {
        style &= ~static_cast<LONG_PTR>(SS_TYPEMASK | SS_CENTERIMAGE);
        style |= p.align == layout::TextAlign::Right    ? SS_RIGHT
                 : p.align == layout::TextAlign::Centre ? SS_CENTER
                                                        : SS_LEFT;
        if (!p.wrap)
            style |= SS_CENTERIMAGE;  // one line, in the middle of its height
    } else if (kind == ControlKind::Edit) {
        style &= ~static_cast<LONG_PTR>(ES_CENTER | ES_RIGHT);
        style |= p.align == layout::TextAlign::Right    ? ES_RIGHT
                 : p.align == layout::TextAlign::Centre ? ES_CENTER
                                                        : ES_LEFT;
    }
    style = p.tabStop ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
    SetWindowLongPtrW(window, GWL_STYLE, style);
    if (p.look == Look::Sunken) {
        SetWindowLongPtrW(window, GWL_EXSTYLE, GetWindowLongPtrW(window, GWL_EXSTYLE) | WS_EX_STATICEDGE);
        SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    }
    if (p.look == Look::DecreaseArrow || p.look == Look::IncreaseArrow)
        setIcon(window, p.look == Look::DecreaseArrow ? kLeftIcon : kRightIcon, MulDiv(12, m.dpi, 96));
}

// Places one part's controls; returns the windows placed, in Tab order.
std::vector<HWND> apply(Win32Controls& controls, const Mapping& m, std::set<int>& shown,
                        std::vector<Win32Controls::Drawn>& drawn)
{
    std::vector<HWND> order;
    for (const layout::Decoration& d : m.part.decorations)
        drawn.push_back({placed(d.rect, d.follow, m), d.kind == layout::Decoration::Kind::VerticalLine});
    for (const Placement& p : m.part.controls) {
        HWND window = controls.handle(p.id);
        if (window == nullptr)
            continue;
        const RECT r = placed(p.rect, p.follow, m);
        if (p.look == Look::Frame) {
            controls.showAsFrame(p.id, r);
            continue;
        }
        applyLook(window, controls.kind(p.id), p, m);
        controls.setControlFont(p.id, fontOf(p.font, m));
        MoveWindow(window, r.left, r.top, r.right - r.left, r.bottom - r.top, FALSE);
        if (p.look == Look::Hidden)
            continue;
        shown.insert(p.id);
        order.push_back(window);
    }
    return order;
}

// Shows what was placed, hides the rest, and sets Tab's order (the windows' z order).
void finish(Win32Controls& controls, const std::set<int>& shown, const std::vector<HWND>& order,
            const std::vector<Win32Controls::Drawn>& drawn)
{
    for (int id : controls.ids())
        ShowWindow(controls.handle(id), shown.count(id) != 0 ? SW_SHOWNA : SW_HIDE);
    HWND previous = HWND_TOP;
    for (HWND window : order) {
        SetWindowPos(window, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        previous = window;
    }
    controls.setDecorations(drawn);
    InvalidateRect(controls.host(), nullptr, TRUE);
}

// A dialog without a description: its controls one below the other, push
// buttons in a row at the bottom.
SIZE plainColumn(Win32Controls& controls, BaseUnits u)
{
    int y = 7;
    int x = 7;
    std::vector<int> buttons;
    for (int id : controls.ids()) {
        if (controls.kind(id) == ControlKind::Button) {
            buttons.push_back(id);
            continue;
        }
        MoveWindow(controls.handle(id), duToX(7, u), duToY(y, u), duToX(180, u), duToY(12, u), FALSE);
        y += 14;
    }
    y += 4;
    for (int id : buttons) {
        MoveWindow(controls.handle(id), duToX(x, u), duToY(y, u), duToX(50, u), duToY(14, u), FALSE);
        x += 54;
    }
    return {duToX(std::max(194, x + 3), u), duToY(y + 21, u)};
}

}  // namespace

SIZE layOutDialog(Win32Controls& controls, int templateId, int dpi)
{
    const BaseUnits units = baseUnitsOf(uiFont(dpi));
    const layout::Window* window = layout::dialogLayout(templateId);
    if (window == nullptr)
        return plainColumn(controls, units);
    std::set<int> shown;
    std::vector<Win32Controls::Drawn> drawn;
    const Mapping m{*window, {0, 0}, window->width, window->height, units, dpi};
    finish(controls, shown, apply(controls, m, shown, drawn), drawn);
    return {duToX(window->width, units), duToY(window->height, units)};
}

SIZE mainWindowSize(BaseUnits units, bool withHintPanel)
{
    const layout::Window& window = layout::mainWindowLayout();
    const int width = withHintPanel ? window.width : layout::leftPart(window).width;
    return {duToX(width, units), duToY(window.height, units) + duToY(12, units)};  // and the notice line
}

SIZE mainWindowMinimum(BaseUnits units, bool withHintPanel)
{
    const layout::Window& window = layout::mainWindowLayout();
    const layout::Window bands = layout::leftPart(window);
    const int width = withHintPanel ? bands.minWidth + layout::rightPart(window).minWidth : bands.minWidth;
    return {duToX(std::max(width, 1), units), duToY(window.minHeight, units) + duToY(12, units)};
}

void layOutMainWindow(Win32Controls& controls, SIZE client, int dpi)
{
    const BaseUnits units = baseUnitsOf(uiFont(dpi));
    const layout::Window& window = layout::mainWindowLayout();
    const layout::Window bands = layout::leftPart(window);
    const layout::Window panel = layout::rightPart(window);
    // Client pixels in dialog units, the notice line's row below taken off.
    const int width = MulDiv(client.cx, 4, units.width);
    const int height = std::max(MulDiv(client.cy, 8, units.height) - 12, window.minHeight);
    // The hint panel takes its share of the growth, never less than its least width.
    int panelWidth = 0;
    if (controls.hintPanelShown() && !panel.controls.empty()) {
        const int growth = width - window.width;
        const int share = window.divider ? window.divider->follow : 0;
        panelWidth = std::max(panel.width + growth * share / 100, window.divider ? window.divider->rightMinWidth : 0);
    }
    const int bandsWidth = std::max(width - panelWidth, bands.minWidth);

    std::set<int> shown;
    std::vector<Win32Controls::Drawn> drawn;
    std::vector<HWND> order = apply(controls, {bands, {0, 0}, bandsWidth, height, units, dpi}, shown, drawn);
    if (panelWidth > 0) {
        const Mapping right{panel, {duToX(bandsWidth, units), 0}, panelWidth, height, units, dpi};
        const std::vector<HWND> more = apply(controls, right, shown, drawn);
        order.insert(order.end(), more.begin(), more.end());
    }
    finish(controls, shown, order, drawn);
    // The notice line under everything else.
    MoveWindow(controls.noticeLine(), duToX(7, units), duToY(height, units), client.cx - duToX(14, units),
               duToY(11, units), TRUE);
}

}  // namespace kestrel::ui::win32

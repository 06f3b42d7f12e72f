// Where the window the controls are in sits on the screens, kept between runs.

#include "ui/win32/win32_controls.h"

#include "ui/main_window/window_placement.h"

#include <commctrl.h>

#include <vector>

namespace kestrel::ui::win32 {

namespace {

WindowRect toWindowRect(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

// The usable area of every monitor, the primary one first.
std::vector<WindowRect> screens()
{
    std::vector<WindowRect> found;
    EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR monitor, HDC, LPRECT, LPARAM list) {
            MONITORINFO info{};
            info.cbSize = sizeof info;
            if (GetMonitorInfoW(monitor, &info)) {
                auto& screens = *reinterpret_cast<std::vector<WindowRect>*>(list);
                const WindowRect area = toWindowRect(info.rcWork);
                if ((info.dwFlags & MONITORINFOF_PRIMARY) != 0)
                    screens.insert(screens.begin(), area);
                else
                    screens.push_back(area);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace

std::optional<WindowRect> Win32Controls::windowRect() const
{
    HWND root = owner();
    // A window never shown has no place of its own yet.
    if (!IsWindowVisible(root))
        return std::nullopt;
    // A maximised or minimised window is kept at the place it goes back to.
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (IsZoomed(root) || IsIconic(root)) {
        if (!GetWindowPlacement(root, &placement))
            return std::nullopt;
        // Workspace coordinates: the screen's, moved by the taskbar at the top or left.
        MONITORINFO info{};
        info.cbSize = sizeof info;
        GetMonitorInfoW(MonitorFromWindow(root, MONITOR_DEFAULTTONEAREST), &info);
        OffsetRect(&placement.rcNormalPosition, info.rcWork.left - info.rcMonitor.left,
                   info.rcWork.top - info.rcMonitor.top);
        return toWindowRect(placement.rcNormalPosition);
    }
    RECT bounds{};
    if (!GetWindowRect(root, &bounds))
        return std::nullopt;
    return toWindowRect(bounds);
}

void Win32Controls::setWindowRect(const WindowRect& rect)
{
    const WindowRect placed = placeOnScreens(rect, screens());
    SetWindowPos(owner(), nullptr, placed.x, placed.y, placed.width, placed.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

std::vector<int> Win32Controls::columnWidths(int id) const
{
    std::vector<int> widths;
    HWND list = handle(id);
    if (list == nullptr || kind(id) != ControlKind::List)
        return widths;
    const auto header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    const int count = header == nullptr ? 0 : static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
    // In the units the columns were given in (pixels at 96 dots per inch).
    for (int i = 0; i < count; ++i)
        widths.push_back(MulDiv(static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, i, 0)), 96, dpi_));
    return widths;
}

}  // namespace kestrel::ui::win32

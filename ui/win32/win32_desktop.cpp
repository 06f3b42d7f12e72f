// What the Win32 control set does beside its controls: the list's pictures and
// selection, the window kept on top, the clipboard (CF_UNICODETEXT), a document
// opened with the system's program, and the commands of the shortcut table.

#include "ui/win32/win32_control.h"
#include "ui/win32/win32_controls.h"
#include "ui/win32/win32_text.h"

#include <shellapi.h>

#include <cstring>

namespace kestrel::ui::win32 {

void Win32Controls::setListPictures(int id, std::vector<ListPicture> pictures)
{
    Control* control = find(id);
    if (!control || control->item.kind != ControlKind::List || control->pictures == pictures)
        return;
    control->pictures = std::move(pictures);
    InvalidateRect(control->window, nullptr, FALSE);
}

std::string Win32Controls::listCell(int id, int row, int column) const
{
    const Control* control = find(id);
    if (!control || row < 0 || column < 0 || static_cast<std::size_t>(row) >= control->rows.size())
        return {};
    const std::vector<std::string>& cells = control->rows[static_cast<std::size_t>(row)];
    return static_cast<std::size_t>(column) < cells.size() ? cells[static_cast<std::size_t>(column)] : std::string();
}

// The z-order alone changes: the window keeps its place, size and activation.
void Win32Controls::setTopmost(bool topmost)
{
    topmost_ = topmost;
    SetWindowPos(owner(), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (onTopmost_)
        onTopmost_();
}

void Win32Controls::copyToClipboard(std::string_view text)
{
    const std::wstring wide = wideFromCp932(text);
    if (!OpenClipboard(host_))
        return;
    EmptyClipboard();
    const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        if (void* target = GlobalLock(memory)) {
            std::memcpy(target, wide.c_str(), bytes);
            GlobalUnlock(memory);
            if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr)
                GlobalFree(memory);  // the clipboard took nothing
        } else {
            GlobalFree(memory);
        }
    }
    CloseClipboard();
}

bool Win32Controls::openDocument(const std::string& path)
{
    const std::wstring wide = wideFromUtf8(path);
    if (openDocument_)
        return openDocument_(wide);
    const auto started =
        reinterpret_cast<INT_PTR>(ShellExecuteW(owner(), L"open", wide.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return started > 32;
}

void Win32Controls::runCommand(int id)
{
    dispatch([this, id] {
        if (events_)
            events_->onCommand(id);
    });
}

}  // namespace kestrel::ui::win32

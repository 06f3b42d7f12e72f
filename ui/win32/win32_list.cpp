// The report-style list as a virtual list view: the rows stay here, in code
// page 932, and the view asks for the text of each cell it draws. A fill of
// many rows is one update of the view's row count, once the event that made it
// is over.

#include "ui/win32/win32_control.h"
#include "ui/win32/win32_controls.h"
#include "ui/win32/win32_text.h"

#include <commctrl.h>

#include <algorithm>

namespace kestrel::ui::win32 {

namespace {

int formatOf(Align align)
{
    switch (align) {
    case Align::Right: return LVCFMT_RIGHT;
    case Align::Centre: return LVCFMT_CENTER;
    case Align::Left: break;
    }
    return LVCFMT_LEFT;
}

int columnCount(HWND list)
{
    const auto header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    return header == nullptr ? 0 : static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
}

constexpr UINT_PTR kHeaderSubclassId = 2;

// One tool per column header; a tool's rectangle follows its column as the
// user widens or moves it, checked whenever the pointer moves over the header.
void placeHeaderTips(HWND header, const Control& control)
{
    for (std::size_t i = 0; i < control.columnTips.size(); ++i) {
        TOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.hwnd = header;
        tool.uId = i;
        SendMessageW(header, HDM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&tool.rect));
        SendMessageW(control.tips, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

LRESULT CALLBACK headerProc(HWND header, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
{
    if (message == WM_MOUSEMOVE && (wParam & MK_LBUTTON) == 0)
        placeHeaderTips(header, *reinterpret_cast<const Control*>(data));
    return DefSubclassProc(header, message, wParam, lParam);
}

void setHeaderTips(Control& control, HWND header, const std::vector<ListColumn>& columns)
{
    if (control.tips == nullptr) {
        control.tips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                       CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, header, nullptr,
                                       GetModuleHandleW(nullptr), nullptr);
        if (control.tips == nullptr)
            return;
        SendMessageW(control.tips, TTM_SETMAXTIPWIDTH, 0, 420);
        SetWindowSubclass(header, headerProc, kHeaderSubclassId, reinterpret_cast<DWORD_PTR>(&control));
    }
    for (std::size_t i = 0; i < control.columnTips.size(); ++i) {
        TOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.hwnd = header;
        tool.uId = i;
        SendMessageW(control.tips, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    control.columnTips.clear();
    for (const ListColumn& column : columns)
        control.columnTips.push_back(wideFromCp932(column.toolTip));
    for (std::size_t i = 0; i < control.columnTips.size(); ++i) {
        if (control.columnTips[i].empty())
            continue;
        TOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.uFlags = TTF_SUBCLASS;
        tool.hwnd = header;
        tool.uId = i;
        tool.lpszText = control.columnTips[i].data();
        SendMessageW(header, HDM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&tool.rect));
        SendMessageW(control.tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

}  // namespace

void Win32Controls::setColumns(int id, const std::vector<ListColumn>& columns)
{
    Control* control = find(id);
    if (!control || control->item.kind != ControlKind::List)
        return;
    // The rows stay: a locked list keeps what it shows under new columns.
    HWND list = control->window;
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    for (int i = columnCount(list); i > 0; --i)
        SendMessageW(list, LVM_DELETECOLUMN, static_cast<WPARAM>(i - 1), 0);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        std::wstring header = wideFromCp932(columns[i].header);
        LVCOLUMNW column{};
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        column.fmt = i == 0 ? LVCFMT_LEFT : formatOf(columns[i].align);  // the first column is always left
        column.cx = MulDiv(columns[i].width, dpi_, 96);
        column.pszText = header.data();
        column.iSubItem = static_cast<int>(i);
        SendMessageW(list, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    if (const auto header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0)))
        setHeaderTips(*control, header, columns);
}

void Win32Controls::deleteAllRows(int id)
{
    Control* control = find(id);
    if (!control || control->item.kind != ControlKind::List)
        return;
    control->rows.clear();
    control->updatePending = true;
    flushLater();
}

void Win32Controls::appendRow(int id, const std::vector<std::string>& cells)
{
    Control* control = find(id);
    if (!control || control->item.kind != ControlKind::List)
        return;
    control->rows.push_back(cells);
    control->updatePending = true;
    flushLater();
}

void Win32Controls::replaceRows(int id, std::vector<std::vector<std::string>> rows)
{
    Control* control = find(id);
    if (!control || control->item.kind != ControlKind::List)
        return;
    if (!control->updatePending && rows == control->rows)
        return;  // the same rows again: the view stays as drawn
    control->rows = std::move(rows);
    control->updatePending = true;
    flushLater();
}

void Win32Controls::endPendingUpdates()
{
    for (const auto& [id, control] : controls_) {
        if (!control->updatePending)
            continue;
        control->updatePending = false;
        HWND list = control->window;
        // New rows: nothing stays selected, and the view starts at the top.
        LVITEMW none{};
        none.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
        SendMessageW(list, LVM_SETITEMCOUNT, control->rows.size(), 0);
        if (!control->rows.empty())
            SendMessageW(list, LVM_ENSUREVISIBLE, 0, FALSE);
        InvalidateRect(list, nullptr, TRUE);
    }
}

int Win32Controls::selectedRow(int id) const
{
    const Control* control = find(id);
    if (!control || control->item.kind != ControlKind::List || control->updatePending)
        return -1;  // rows waiting to be shown: nothing of them is selected yet
    const auto row = SendMessageW(control->window, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
    return row >= 0 && static_cast<std::size_t>(row) < control->rows.size() ? static_cast<int>(row) : -1;
}

std::size_t Win32Controls::rowCount(int id) const
{
    const Control* control = find(id);
    return control ? control->rows.size() : 0;
}

std::wstring Win32Controls::cellText(int id, int row, int column) const
{
    const Control* control = find(id);
    if (!control || row < 0 || column < 0 || static_cast<std::size_t>(row) >= control->rows.size())
        return {};
    const std::vector<std::string>& cells = control->rows[static_cast<std::size_t>(row)];
    if (static_cast<std::size_t>(column) >= cells.size())
        return {};
    return wideFromCp932(cells[static_cast<std::size_t>(column)]);
}

bool Win32Controls::onNotify(const NMHDR& header, LRESULT& result)
{
    const Control* control = findWindow(header.hwndFrom);
    if (control == nullptr || control->item.kind != ControlKind::List)
        return false;
    if (header.code == LVN_COLUMNCLICK) {
        const int id = control->item.id;
        const int column = reinterpret_cast<const NMLISTVIEW*>(&header)->iSubItem;
        dispatch([this, id, column] {
            if (events_)
                events_->onHeaderClicked(id, column);
        });
        result = 0;
        return true;
    }
    if (header.code == NM_DBLCLK) {
        const int id = control->item.id;
        const int row = reinterpret_cast<const NMITEMACTIVATE*>(&header)->iItem;
        if (row >= 0)
            dispatch([this, id, row] {
                if (events_)
                    events_->onRowActivated(id, row);
            });
        result = 0;
        return true;
    }
    if (header.code == NM_CUSTOMDRAW) {
        result = drawPictures(*control, *reinterpret_cast<NMLVCUSTOMDRAW*>(const_cast<NMHDR*>(&header)));
        return true;
    }
    if (header.code != LVN_GETDISPINFOW)
        return false;
    LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(const_cast<NMHDR*>(&header))->item;
    if ((item.mask & LVIF_TEXT) != 0 && item.pszText != nullptr && item.cchTextMax > 0) {
        const std::wstring text = cellText(control->item.id, item.iItem, item.iSubItem);
        const std::size_t length = std::min(text.size(), static_cast<std::size_t>(item.cchTextMax - 1));
        std::copy_n(text.data(), length, item.pszText);
        item.pszText[length] = L'\0';
    }
    result = 0;
    return true;
}

void Win32Controls::setDpi(int dpi)
{
    if (dpi <= 0 || dpi == dpi_)
        return;
    // The columns keep their share: widths as the user left them, scaled.
    for (const auto& [id, control] : controls_) {
        if (control->item.kind != ControlKind::List)
            continue;
        for (int i = 0; i < columnCount(control->window); ++i) {
            const int width = static_cast<int>(SendMessageW(control->window, LVM_GETCOLUMNWIDTH, i, 0));
            SendMessageW(control->window, LVM_SETCOLUMNWIDTH, i, MulDiv(width, dpi, dpi_));
        }
    }
    dpi_ = dpi;
}

}  // namespace kestrel::ui::win32

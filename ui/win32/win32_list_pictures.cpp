// The list's picture columns drawn in its custom draw: each row's bar on the
// column's shared axis (lighter where the tolerance adds it), a "?" for a row
// without one, and the marked values as lines through the whole column. No
// brush or pen is made: the device context's own brush takes each colour.

#include "ui/win32/win32_control.h"
#include "ui/win32/win32_controls.h"

#include <algorithm>

namespace kestrel::ui::win32 {

namespace {

constexpr COLORREF kBarColour = RGB(0x2a, 0x6f, 0x97);
constexpr COLORREF kToleranceColour = RGB(0xa9, 0xcc, 0xe0);
constexpr COLORREF kMarkColour = RGB(0xe0, 0x1e, 0x37);
constexpr int kMargin = 4;

void fill(HDC dc, int left, int top, int right, int bottom, COLORREF colour)
{
    const RECT area{left, top, right, bottom};
    SetDCBrushColor(dc, colour);
    FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

const ListPicture* pictureOf(const Control& control, int column)
{
    for (const ListPicture& picture : control.pictures)
        if (picture.column == column)
            return &picture;
    return nullptr;
}

void drawCell(HWND list, HDC dc, const ListPicture& picture, int row, const RECT& cell)
{
    const bool selected =
        (SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) & LVIS_SELECTED) != 0;
    const auto background = static_cast<COLORREF>(SendMessageW(list, LVM_GETBKCOLOR, 0, 0));
    fill(dc, cell.left, cell.top, cell.right, cell.bottom,
         selected                 ? GetSysColor(COLOR_HIGHLIGHT)
         : background == CLR_NONE ? GetSysColor(COLOR_WINDOW)
                                  : background);
    const int left = cell.left + kMargin;
    const int width = std::max<int>(1, cell.right - cell.left - 2 * kMargin);
    const int height = cell.bottom - cell.top;
    if (row >= 0 && static_cast<std::size_t>(row) < picture.bars.size()) {
        const PictureBar& bar = picture.bars[static_cast<std::size_t>(row)];
        if (!bar.known) {
            RECT text = cell;
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
            DrawTextW(dc, L"?", 1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        } else {
            const int top = cell.top + height / 4, bottom = top + std::max(2, height / 2);
            fill(dc, picturePixel(picture, bar.low, left, width), top, picturePixel(picture, bar.high, left, width) + 1,
                 bottom, kToleranceColour);
            fill(dc, picturePixel(picture, bar.solidLow, left, width), top,
                 picturePixel(picture, bar.solidHigh, left, width) + 1, bottom, kBarColour);
        }
    }
    for (const std::int64_t mark : picture.marks) {
        const int x = picturePixel(picture, mark, left, width);
        if (x >= cell.left && x < cell.right)
            fill(dc, x, cell.top, x + 2, cell.bottom, kMarkColour);
    }
}

}  // namespace

LRESULT Win32Controls::drawPictures(const Control& control, NMLVCUSTOMDRAW& draw) const
{
    if (control.pictures.empty())
        return CDRF_DODEFAULT;
    switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT: return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT: return CDRF_NOTIFYSUBITEMDRAW;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
        const ListPicture* picture = pictureOf(control, draw.iSubItem);
        if (picture == nullptr)
            return CDRF_DODEFAULT;
        const int row = static_cast<int>(draw.nmcd.dwItemSpec);
        RECT cell{};
        cell.top = draw.iSubItem;  // LVM_GETSUBITEMRECT takes the subitem in top, the part in left
        cell.left = LVIR_BOUNDS;
        if (!SendMessageW(control.window, LVM_GETSUBITEMRECT, static_cast<WPARAM>(row),
                          reinterpret_cast<LPARAM>(&cell)))
            return CDRF_DODEFAULT;
        drawCell(control.window, draw.nmcd.hdc, *picture, row, cell);
        return CDRF_SKIPDEFAULT;
    }
    default: return CDRF_DODEFAULT;
    }
}

}  // namespace kestrel::ui::win32

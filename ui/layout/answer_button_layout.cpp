// "答え合わせ…" at the bottom right of the hint panel, in the corner it keeps
// however the window grows; at the window's smallest height it comes to rest
// just under the panel's last line.

#include "ui/ids.h"
#include "ui/layout/sheet.h"

namespace kestrel::ui::layout {

void addAnswerButton(Sheet& sheet, int left, int width, int bottom)
{
    constexpr int kWidth = 64, kHeight = 11;
    sheet.button(id::kAnswerCheck, left + width - 7 - kWidth, bottom - kHeight, kWidth, kHeight).follow = {100, 100,
                                                                                                           100, 100};
}

}  // namespace kestrel::ui::layout

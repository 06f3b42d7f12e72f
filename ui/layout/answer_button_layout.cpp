// "答え合わせ…" at the bottom right of the hint panel, level with the list's
// bottom strip, so that it stays in the corner however the panel grows.

#include "ui/ids.h"
#include "ui/layout/sheet.h"

namespace kestrel::ui::layout {

void addAnswerButton(Sheet& sheet, int left, int width, int y)
{
    constexpr int kWidth = 64;
    sheet.button(id::kAnswerCheck, left + width - 7 - kWidth, y, kWidth).follow = {100, 100, 100, 100};
}

}  // namespace kestrel::ui::layout

// The hint panel, right of the bands beside the candidate list: under a bold
// heading each, the advice in a slightly larger font, the near misses, and the
// "なぜ消えた?" field with its answers. Long lines wrap within their room.

#include "ui/hints/hint_panel.h"
#include "ui/layout/sheet.h"

namespace kestrel::ui::layout {

namespace {

constexpr int kAdviceTop = 5, kAdviceLine = 20;  // two lines of the panel font
constexpr int kNearMissTop = 81, kWhyGoneTop = 257;
constexpr int kLine = 16;     // two lines of the dialog font
constexpr int kHeading = 12;  // from a heading to its first line

}  // namespace

void addHintPanel(Sheet& sheet, int left, int width, int share)
{
    const int x = left + 6;
    const int lineWidth = width - 13;
    const Follow stretch{share, 0, 100, 0};
    auto heading = [&](int id, int y) {
        Placement& p = sheet.put(id, {x - 2, y, lineWidth + 2, kRowHeight - 2});
        p.follow = stretch;
        p.font = FontRole::Heading;
    };
    auto line = [&](int id, int y, int height) -> Placement& {
        Placement& p = sheet.put(id, {x, y, lineWidth, height});
        p.follow = stretch;
        p.wrap = true;
        return p;
    };

    heading(kIdAdviceHeading, kAdviceTop);
    for (std::size_t k = 0; k < kIdAdviceLines.size(); ++k)
        line(kIdAdviceLines[k], kAdviceTop + kHeading + static_cast<int>(k) * kAdviceLine, kAdviceLine).font =
            FontRole::Panel;

    heading(kIdNearMissHeading, kNearMissTop);
    for (std::size_t k = 0; k < kIdNearMissLines.size(); ++k)
        line(kIdNearMissLines[k], kNearMissTop + kHeading + static_cast<int>(k) * kLine, kLine);

    heading(kIdWhyGoneHeading, kWhyGoneTop);
    const int fieldY = kWhyGoneTop + kHeading;
    sheet.text(kIdWhyGoneLabel, x, fieldY, 48).follow = {share, 0, share, 0};
    Placement& field = sheet.edit(kIdWhyGoneEdit, x + 50, fieldY, lineWidth - 50);
    field.follow = stretch;
    field.align = TextAlign::Left;
    for (std::size_t k = 0; k < kIdWhyGoneLines.size(); ++k)
        line(kIdWhyGoneLines[k], fieldY + 14 + static_cast<int>(k) * kLine, kLine);
}

}  // namespace kestrel::ui::layout

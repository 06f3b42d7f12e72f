// The hint panel, right of the bands beside the candidate list: the advice in
// a slightly larger font, the near misses, and the "なぜ消えた?" field with its
// answers, each part in a frame of its own. Long lines wrap within their room.

#include "ui/hint_panel.h"
#include "ui/layout/sheet.h"

namespace kestrel::ui::layout {

namespace {

constexpr int kAdviceTop = 5, kAdviceLine = 20;
constexpr int kNearMissTop = 83, kWhyGoneTop = 261;
constexpr int kLine = 16;  // room for two lines of the dialog font
constexpr int kCaption = 11;  // a frame's caption above its first line

}  // namespace

void addHintPanel(Sheet& sheet, int left, int width, int share)
{
    const int frameX = left + 3;
    const int frameWidth = width - 10;
    const int x = frameX + 6;
    const int lineWidth = frameWidth - 12;
    const Follow stretch{share, 0, 100, 0};
    auto line = [&](int id, int y, int height) {
        Placement& p = sheet.put(id, {x, y, lineWidth, height});
        p.follow = stretch;
        p.wrap = true;
        return &p;
    };

    sheet.frame(kIdAdviceFrame, {frameX, kAdviceTop, frameWidth, kCaption + 3 * kAdviceLine + 3}).follow = stretch;
    for (std::size_t k = 0; k < kIdAdviceLines.size(); ++k)
        line(kIdAdviceLines[k], kAdviceTop + kCaption + static_cast<int>(k) * kAdviceLine, kAdviceLine)->font =
            FontRole::Panel;

    const int nearMisses = static_cast<int>(kIdNearMissLines.size());
    sheet.frame(kIdNearMissFrame, {frameX, kNearMissTop, frameWidth, kCaption + nearMisses * kLine + 3}).follow =
        stretch;
    for (int k = 0; k < nearMisses; ++k)
        line(kIdNearMissLines[static_cast<std::size_t>(k)], kNearMissTop + kCaption + k * kLine, kLine);

    const int whyLines = static_cast<int>(kIdWhyGoneLines.size());
    sheet.frame(kIdWhyGoneFrame, {frameX, kWhyGoneTop, frameWidth, kCaption + 16 + whyLines * kLine + 2}).follow =
        stretch;
    const int fieldY = kWhyGoneTop + kCaption;
    sheet.text(kIdWhyGoneLabel, x, fieldY, 48).follow = {share, 0, share, 0};
    Placement& field = sheet.edit(kIdWhyGoneEdit, x + 50, fieldY, lineWidth - 50);
    field.follow = stretch;
    field.align = TextAlign::Left;
    for (int k = 0; k < whyLines; ++k)
        line(kIdWhyGoneLines[static_cast<std::size_t>(k)], fieldY + 16 + k * kLine, kLine);
}

}  // namespace kestrel::ui::layout

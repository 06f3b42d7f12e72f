// The hint panel, right of the bands beside the candidate list: under a bold
// heading each, the advice in a slightly larger font, the near misses, and the
// "なぜ消えた?" field with its answers; under the advice, the line that adds its
// first skill to the search, and the "違い" table of the last candidates. Long
// advice lines wrap within their room; the other lines hold one line each.

#include "ui/hints/hint_panel.h"
#include "ui/ids.h"
#include "ui/layout/sheet.h"

namespace kestrel::ui::layout {

namespace {

constexpr int kAdviceTop = 5, kAdviceLine = 20;  // two lines of the panel font
constexpr int kFirstSkillTop = 77;
constexpr int kDifferencesTop = 88, kNearMissTop = 182, kWhyGoneTop = 297;
constexpr int kLine = 10;              // one line of the dialog font
constexpr int kTableLine = 9;          // a row of the 違い table
constexpr int kNameLines = 16;         // the candidates' names: two lines
constexpr int kLabelWidth = 38;        // the 違い table's first column
constexpr int kHeading = 12;           // from a heading to its first line
constexpr int kAnswerButtonRoom = 66;  // the 答え合わせ… button and the gap before it

// The 違い table: the first column of row labels keeps its width, the five
// candidate columns share the rest and its growth.
void addDifferences(Sheet& sheet, int x, int lineWidth, Follow stretch)
{
    Placement& h = sheet.put(kIdDifferencesHeading, {x - 2, kDifferencesTop, lineWidth + 2, kRowHeight - 2});
    h.follow = stretch;
    h.font = FontRole::Heading;
    const int columns = static_cast<int>(kIdDifferenceColumns.size());
    const int cellWidth = (lineWidth - kLabelWidth) / columns;
    // Each column follows its share of the panel's growth.
    auto cell = [&](int id, int column, int y, int height) -> Placement& {
        Placement& p = sheet.put(id, {x + kLabelWidth + column * cellWidth, y, cellWidth - 1, height});
        const int from = stretch.left + (stretch.right - stretch.left) * column / columns;
        const int to = stretch.left + (stretch.right - stretch.left) * (column + 1) / columns;
        p.follow = {from, 0, to, 0};
        return p;
    };
    const int namesY = kDifferencesTop + kHeading;
    for (int c = 0; c < columns; ++c)
        cell(kIdDifferenceColumns[static_cast<std::size_t>(c)], c, namesY, kNameLines).wrap = true;
    const int rowsY = namesY + kNameLines;
    for (int r = 0; r < kDifferenceRows; ++r) {
        const int y = rowsY + r * kTableLine;
        Placement& label = sheet.put(differenceLabelId(r), {x, y, kLabelWidth - 1, kTableLine});
        label.follow = {stretch.left, 0, stretch.left, 0};
        label.notify = true;  // a skill's row: a click adds the skill
        for (int c = 0; c < columns; ++c)
            cell(differenceCellId(r, c), c, y, kTableLine);
    }
    Placement& note = sheet.put(kIdDifferenceNote, {x, rowsY + kDifferenceRows * kTableLine, lineWidth, kTableLine});
    note.follow = stretch;
}

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
    for (std::size_t k = 0; k < kIdAdviceLines.size(); ++k) {
        Placement& p = line(kIdAdviceLines[k], kAdviceTop + kHeading + static_cast<int>(k) * kAdviceLine, kAdviceLine);
        p.font = FontRole::Panel;
        p.notify = true;  // a click on a skill's line adds the skill
    }

    Placement& firstSkill = line(id::kFirstSkill, kFirstSkillTop, kTableLine);
    firstSkill.wrap = false;
    firstSkill.notify = true;
    addDifferences(sheet, x, lineWidth, stretch);

    heading(kIdNearMissHeading, kNearMissTop);
    for (std::size_t k = 0; k < kIdNearMissLines.size(); ++k)
        line(kIdNearMissLines[k], kNearMissTop + kHeading + static_cast<int>(k) * kLine, kLine).wrap = false;

    heading(kIdWhyGoneHeading, kWhyGoneTop);
    const int fieldY = kWhyGoneTop + kHeading;
    sheet.text(kIdWhyGoneLabel, x, fieldY, 48).follow = {share, 0, share, 0};
    Placement& field = sheet.edit(kIdWhyGoneEdit, x + 50, fieldY, lineWidth - 50);
    field.follow = stretch;
    field.align = TextAlign::Left;
    for (std::size_t k = 0; k < kIdWhyGoneLines.size(); ++k) {
        Placement& p = line(kIdWhyGoneLines[k], fieldY + 14 + static_cast<int>(k) * kTableLine, kTableLine);
        p.wrap = false;
        // The last answer stops short of the 答え合わせ… button in the panel's
        // bottom right corner, which it meets at the window's smallest height.
        if (k + 1 == kIdWhyGoneLines.size())
            p.rect.width -= kAnswerButtonRoom;
    }
}

}  // namespace kestrel::ui::layout

// The main window's bands, top to bottom: the file and class strip, the family
// rows, HP/MP comparisons with Config, the user block, the four damage rows,
// the observation buttons, the search lines, the skill buttons, the result
// line, the list (which takes the spare room), the bottom strip and the notice
// line; 536 x 422 dialog units at first (see window_layout.h).

#include "ui/window_layout.h"

#include "ui/list_view.h"
#include "ui/main_window/ids.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <utility>

namespace kestrel::ui::layout {

namespace {

constexpr int kMargin = 5;
constexpr int kLine = 12;
constexpr Align L = Align::Left;
constexpr Align R = Align::Right;
constexpr Align C = Align::Centre;

void fileAndClassStrip(WindowLayout& out, int extra)
{
    Row r(out, kMargin, 4, kLine);
    r.put(1004, 104).put(id::kPath, 110 + extra);
    out.items.back().sunken = true;
    r.put(id::kRefer, 44).gap(8);
    for (int radio : id::kClassRadios)
        r.put(radio, 32);
    r.gap(4);
    for (int debug : id::kDebugStatics)
        r.put(debug, 24);
}

void familyRows(WindowLayout& out)
{
    Row confirm(out, kMargin, 19, 13);
    confirm.spacing(1).put(id::kConfirmBox, 32);
    Row exclude(out, kMargin, 33, 13);
    exclude.spacing(1).put(id::kExcludeBox, 32);
    for (int k = 0; k < 14; ++k) {
        confirm.put(id::kConfirmRow[k], 17);
        exclude.put(id::kExcludeRow[k], 17);
    }
}

void comparisonsAndConfig(WindowLayout& out, int width)
{
    Row r(out, kMargin, 50, kLine);
    r.put(1016, 12).put(id::kHpAtLeastBox, 10).put(id::kHpAtLeastEdit, 34).put(1020, 34).gap(4);
    r.put(id::kHpAtMostBox, 10).put(id::kHpAtMostEdit, 34).put(1025, 42).gap(10);
    r.put(1056, 12).put(id::kMpAtLeastBox, 10).put(id::kMpAtLeastEdit, 34).put(1057, 34).gap(4);
    r.put(id::kMpAtMostBox, 10).put(id::kMpAtMostEdit, 34).put(1068, 42);
    Row(out, width - kMargin - 72, 49, 14).put(id::kConfig, 72);
}

void userBlock(WindowLayout& out)
{
    Row r(out, kMargin, 66, kLine);
    r.put(id::kUserName, 60).put(id::kUserDown, 12).put(id::kUserNo, 20, C).put(id::kUserUp, 12).put(1117, 32);
    r.gap(10).put(1110, 18).put(id::kWeaponName, 80).put(id::kChangeUser, 28).gap(10);
    r.put(id::kUserAttack, 50).put(id::kUserDefense, 50);
}

// A damage row: what it is (x 5..65), ◀ low ～ high ▶, then what follows it.
void damageRow(WindowLayout& out, int y, std::initializer_list<std::pair<int, int>> lead, const int (&field)[5])
{
    Row what(out, kMargin, y, kLine);
    for (const auto& [id, width] : lead)
        what.put(id, width);
    Row r(out, 67, y, kLine);
    r.put(field[0], 12).put(field[1], 36, C).put(field[2], 10, C).put(field[3], 36, C).put(field[4], 12);
}

void damageRows(WindowLayout& out)
{
    damageRow(out, 82, {{1160, 60}}, {id::kMoonsaultDown, id::kMoonsaultLow, 1157, id::kMoonsaultHigh, id::kMoonsaultUp});
    Row(out, 185, 82, kLine).put(1113, 24, R).put(1174, 10, C).put(1171, 24).put(1078, 10).put(id::kMoonsaultVerdict, 140);
    damageRow(out, 96, {{id::kTakenBox, 10}, {1095, 48}}, {id::kTakenDown, id::kTakenLow, 1131, id::kTakenHigh, id::kTakenUp});
    Row(out, 185, 96, kLine).put(1097, 80);
    damageRow(out, 110, {{id::kDealtBox, 10}, {1088, 48}}, {id::kDealtDown, id::kDealtLow, 1119, id::kDealtHigh, id::kDealtUp});
    Row(out, 185, 110, kLine).put(1091, 80);
    damageRow(out, 124, {{id::kSpecialName, 60}},
              {id::kSpecialDown, id::kSpecialLow, 1154, id::kSpecialHigh, id::kSpecialUp});
    Row(out, 185, 124, kLine).put(1082, 24, R).put(1173, 10, C).put(1172, 24).put(1077, 10).put(id::kSpecialVerdict, 140);
}

void observationButtons(WindowLayout& out)
{
    Row r(out, kMargin, 140, 13);
    const int pairs[][3] = {{id::kMetalBox, id::kMetalButton, 36}, {id::kFloatingBox, id::kFloatingButton, 28},
                            {id::kSizeBox, id::kSizeButton, 36},   {id::kMpDrainBox, id::kMpDrainButton, 30},
                            {id::kAngerBox, id::kAngerButton, 28}, {id::kPushBox, id::kPushButton, 28}};
    for (const auto& pair : pairs)
        r.put(pair[0], pair[2]).put(pair[1], 44).gap(4);
}

void searchLines(WindowLayout& out)
{
    Row(out, kMargin, 157, kLine).put(id::kSearchBox, 52).put(id::kSearchEdit, 120).gap(2).put(1181, 90);
    Row(out, kMargin, 171, kLine).put(id::kToleranceBox, 340);
}

void skillButtons(WindowLayout& out, int width)
{
    constexpr int kCount = static_cast<int>(id::kSkillButtons.size());
    constexpr int kPerLine = kCount / 2;
    const int inner = width - 2 * kMargin;
    for (int k = 0; k < kCount; ++k) {
        const int column = k % kPerLine;
        const int left = kMargin + inner * column / kPerLine;
        const int right = kMargin + inner * (column + 1) / kPerLine - 2;
        out.items.push_back({id::kSkillButtons[static_cast<std::size_t>(k)], {left, 186 + (k / kPerLine) * 14, right - left, 13}});
    }
}

void range(Row& r, int caption, int captionWidth, const std::array<int, 5>& statics)
{
    r.put(caption, captionWidth).spacing(0);
    r.put(statics[0], 24, R).put(statics[1], 6, C).put(statics[2], 24).put(statics[3], 36, C).put(statics[4], 24);
    r.spacing(2);
}

void resultLine(WindowLayout& out)
{
    Row(out, kMargin, 215, 14).put(id::kReset, 34);
    Row r(out, kMargin + 38, 216, kLine);
    range(r, 1087, 40, id::kAttackRange);
    r.gap(2);
    range(r, 1111, 40, id::kDefenseRange);
    r.put(1163, 4, C);
    range(r, 1162, 26, id::kBonusDefenseRange);
}

void bottomStrip(WindowLayout& out, int width, int y)
{
    Row r(out, kMargin, y, kLine);
    r.put(id::kListLock, 46).gap(4);
    const int sortWidths[] = {34, 34, 34, 28, 28, 42, 42};
    int i = 0;
    for (int key : {0, 1, 4, 2, 3, 5, 6})  // left to right as the window always had them
        r.put(id::kSortRadios[static_cast<std::size_t>(key)], sortWidths[i++]);
    r.gap(4);
    const int layoutWidths[] = {26, 26, 26, 42};
    for (int k = 0; k < 4; ++k)
        r.put(id::kLayoutRadios[static_cast<std::size_t>(k)], layoutWidths[k]);
    Row(out, std::max(r.x() + 4, width - kMargin - 76), y, kLine).put(1039, 40).put(kIdCandidateCount, 16, R).put(1041, 16);
}

}  // namespace

WindowLayout mainWindowLayout(int width, int height)
{
    WindowLayout out;
    out.width = std::max(width, kMainWindowMinWidth);
    out.height = std::max(height, kMainWindowMinHeight);
    const int extra = out.width - kMainWindowWidth;
    fileAndClassStrip(out, extra);
    familyRows(out);
    comparisonsAndConfig(out, out.width);
    userBlock(out);
    damageRows(out);
    observationButtons(out);
    searchLines(out);
    skillButtons(out, out.width);
    resultLine(out);
    const int bottom = out.height - 27;
    out.items.push_back({kIdList, {kMargin, 232, out.width - 2 * kMargin, bottom - 3 - 232}});
    bottomStrip(out, out.width, bottom);
    return out;
}

}  // namespace kestrel::ui::layout

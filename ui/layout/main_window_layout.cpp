// The main window's bands, top to bottom, each read left to right: the file and
// class strip, the family rows, HP/MP comparisons with Config, the user block,
// the four damage rows, the observation buttons, the search line, the skill
// buttons, the result line, the candidate list (which takes the spare room)
// and the bottom strip. The bands keep the original's height of 422 and are a
// little wider than its 519, so that the bottom strip's radios keep their
// texts whole in any font; the hint panel stands right of them, beside the list.

#include "ui/hints/hint_panel.h"
#include "ui/layout/sheet.h"
#include "ui/list/list_view.h"
#include "ui/ids.h"

namespace kestrel::ui::layout {

namespace {

constexpr int kBandsWidth = 551;
constexpr int kHeight = 422;
constexpr int kPanelWidth = 196;
// Dragging the divider may narrow the hint panel this far; its lines wrap more.
constexpr int kPanelMinWidth = 150;
constexpr int kWidth = kBandsWidth + kPanelWidth;
// The hint panel takes this share of the window's growth; the list the rest.
constexpr int kPanelShare = 40;
constexpr int kListShare = 100 - kPanelShare;
// The list may lose this much height before the window stops shrinking.
constexpr int kListGive = 47;

constexpr int kMargin = 7;
constexpr int kFileRow = 5;
constexpr int kConfirmRow = 21, kExcludeRow = 35;
constexpr int kComparisonRow = 51;
constexpr int kUserRow = 67;
constexpr int kDamageRows[4] = {83, 97, 111, 125};  // ムーンサルト, received, dealt, special attack
constexpr int kObservationRow = 141;
constexpr int kSearchRow = 157, kToleranceRow = 171;
constexpr int kSkillRows[2] = {187, 201};
constexpr int kResultRow = 217;
constexpr int kListTop = 233, kListBottom = 401;
constexpr int kBottomRow = 405;

// Columns of the damage rows (and the user block's ◀ 1 ▶).
constexpr int kLeadWidth = 70;
constexpr int kDownX = 79, kLowX = 93, kTildeX = 131, kHighX = 143, kUpX = 181, kTailX = 197;

constexpr Follow kBottomStrip{0, 100, 0, 100};
constexpr Follow kBottomRight{100, 100, 100, 100};

void fileAndClassStrip(Sheet& s)
{
    const int y = kFileRow;
    s.text(1004, kMargin, y, 106);
    s.text(id::kPath, 115, y, 150).look = Look::Sunken;
    s.button(id::kRefer, 268, y, 42);
    for (int c = 0; c < 4; ++c)
        s.box(id::kClassRadios[c], 318 + 32 * c, y, 30);
    for (int d = 0; d < 3; ++d)
        s.text(id::kDebugStatics[d], 450 + 20 * d, y, 18);
}

void familyRows(Sheet& s)
{
    s.box(id::kConfirmBox, kMargin, kConfirmRow, 34);
    for (int k = 0; k < 14; ++k)
        s.button(id::kConfirmRow[k], 45 + 17 * k, kConfirmRow, 16);
    s.box(id::kExcludeBox, kMargin, kExcludeRow, 34);
    for (int k = 0; k < 14; ++k)
        s.button(id::kExcludeRow[k], 45 + 17 * k, kExcludeRow, 16);
    // Enter in an edit presses this button, which does nothing.
    s.button(id::kDummyDefault, 300, kConfirmRow, 30).look = Look::Hidden;
}

// "HP" [] edit より多く [] edit より少ない, then the same for MP from x.
void comparison(Sheet& s, int x, int caption, int atLeastBox, int atLeast, int more, int atMostBox, int atMost,
                int less)
{
    const int y = kComparisonRow;
    s.text(caption, x, y, 14);
    s.box(atLeastBox, x + 15, y, 12);
    s.edit(atLeast, x + 28, y, 32);
    s.text(more, x + 62, y, 34);
    s.box(atMostBox, x + 100, y, 12);
    s.edit(atMost, x + 113, y, 32);
    s.text(less, x + 147, y, 42);
}

void comparisonsAndConfig(Sheet& s)
{
    comparison(s, kMargin, 1016, id::kHpAtLeastBox, id::kHpAtLeastEdit, 1020, id::kHpAtMostBox, id::kHpAtMostEdit,
               1025);
    comparison(s, 206, 1056, id::kMpAtLeastBox, id::kMpAtLeastEdit, 1057, id::kMpAtMostBox, id::kMpAtMostEdit, 1068);
    s.button(id::kConfig, kBandsWidth - kMargin - 68, kComparisonRow, 68).follow = {kListShare, 0, kListShare, 0};
}

void userBlock(Sheet& s)
{
    const int y = kUserRow;
    s.text(id::kUserName, kMargin, y, kLeadWidth);
    s.arrow(id::kUserDown, kDownX, y, Look::DecreaseArrow);
    s.edit(id::kUserNo, kLowX, y, 24);
    s.arrow(id::kUserUp, 119, y, Look::IncreaseArrow);
    s.text(1117, 135, y, 32);
    s.text(1110, 173, y, 18);
    s.text(id::kWeaponName, 193, y, 48).notify = true;  // a click shows the special attack's ratio
    s.button(id::kChangeUser, 245, y, 36);
    s.text(id::kUserAttack, 289, y, 40);
    s.text(id::kUserDefense, 333, y, 40);
}

// ◀ low ～ high ▶ of a damage row.
void damageField(Sheet& s, int y, int down, int low, int tilde, int high, int up)
{
    s.arrow(down, kDownX, y, Look::DecreaseArrow);
    s.edit(low, kLowX, y, 36);
    s.text(tilde, kTildeX, y, 10, TextAlign::Centre);
    s.edit(high, kHighX, y, 36);
    s.arrow(up, kUpX, y, Look::IncreaseArrow);
}

// The ratio of a special attack's damage to a normal hit, and the verdict.
void ratioTail(Sheet& s, int y, int low, int tilde, int high, int times, int verdict)
{
    s.text(low, kTailX, y, 24, TextAlign::Right);
    s.text(tilde, 223, y, 10, TextAlign::Centre);
    s.text(high, 235, y, 24, TextAlign::Right);
    s.text(times, 261, y, 10);
    s.text(verdict, 275, y, 110);
}

void damageRows(Sheet& s)
{
    int y = kDamageRows[0];
    s.text(1160, kMargin, y, kLeadWidth);
    damageField(s, y, id::kMoonsaultDown, id::kMoonsaultLow, 1157, id::kMoonsaultHigh, id::kMoonsaultUp);
    ratioTail(s, y, 1113, 1174, 1171, 1078, id::kMoonsaultVerdict);

    y = kDamageRows[1];
    s.box(id::kTakenBox, kMargin, y, 12);
    s.text(1095, 21, y, 56);
    damageField(s, y, id::kTakenDown, id::kTakenLow, 1131, id::kTakenHigh, id::kTakenUp);
    s.text(1097, kTailX, y, 80);

    y = kDamageRows[2];
    s.box(id::kDealtBox, kMargin, y, 12);
    s.text(1088, 21, y, 56);
    damageField(s, y, id::kDealtDown, id::kDealtLow, 1119, id::kDealtHigh, id::kDealtUp);
    s.text(1091, kTailX, y, 80);

    y = kDamageRows[3];
    s.text(id::kSpecialName, kMargin, y, kLeadWidth);
    damageField(s, y, id::kSpecialDown, id::kSpecialLow, 1154, id::kSpecialHigh, id::kSpecialUp);
    ratioTail(s, y, 1082, 1173, 1172, 1077, id::kSpecialVerdict);
}

void observationButtons(Sheet& s)
{
    const int pairs[][2] = {{id::kMetalBox, id::kMetalButton}, {id::kFloatingBox, id::kFloatingButton},
                            {id::kSizeBox, id::kSizeButton},   {id::kMpDrainBox, id::kMpDrainButton},
                            {id::kAngerBox, id::kAngerButton}, {id::kPushBox, id::kPushButton}};
    for (int k = 0; k < 6; ++k) {
        const int x = kMargin + 88 * k;
        s.box(pairs[k][0], x, kObservationRow, 38);
        s.button(pairs[k][1], x + 40, kObservationRow, 46);
    }
}

void searchLines(Sheet& s)
{
    s.box(id::kSearchBox, kMargin, kSearchRow, 46);  // "特技検索" or "豆検索" by layout
    s.edit(id::kSearchEdit, 55, kSearchRow, 140).align = TextAlign::Left;
    s.text(1181, 199, kSearchRow, 76);
    s.box(id::kToleranceBox, kMargin, kToleranceRow, 340);
}

// Two lines of eight.
void skillButtons(Sheet& s)
{
    constexpr int kPerLine = static_cast<int>(id::kSkillButtons.size()) / 2;
    for (int k = 0; k < static_cast<int>(id::kSkillButtons.size()); ++k)
        s.button(id::kSkillButtons[static_cast<std::size_t>(k)], kMargin + 63 * (k % kPerLine),
                 kSkillRows[k / kPerLine], 61);
}

// "敵の攻撃力" low ～ high average percentage, from x.
int range(Sheet& s, int x, int caption, int captionWidth, const std::array<int, 5>& ids)
{
    const int y = kResultRow;
    if (caption != 0) {
        s.text(caption, x, y, captionWidth);
        x += captionWidth + 1;
    }
    s.text(ids[0], x, y, 22, TextAlign::Right);
    s.text(ids[1], x + 23, y, 8, TextAlign::Centre);
    s.text(ids[2], x + 32, y, 22);
    s.text(ids[3], x + 56, y, 32);
    s.text(ids[4], x + 89, y, 26);
    return x + 115;
}

void resultLine(Sheet& s)
{
    s.button(id::kReset, kMargin, kResultRow, 36);
    range(s, 46, 1087, 40, id::kAttackRange);
    const int x = range(s, 206, 1111, 40, id::kDefenseRange);
    s.text(1163, x + 2, kResultRow, 6, TextAlign::Centre);
    range(s, x + 9, 1162, 26, id::kBonusDefenseRange);
}

void listAndBottomStrip(Sheet& s)
{
    Placement& list = s.put(kIdList, {kMargin, kListTop, kBandsWidth - 2 * kMargin, kListBottom - kListTop}, true);
    list.follow = {0, 0, kListShare, 100};

    const int y = kBottomRow;
    s.box(id::kListLock, kMargin, y, 46).follow = kBottomStrip;
    int x = kMargin + 47;
    const auto separator = [&] {
        s.decorate(Decoration::Kind::VerticalLine, {x + 1, y, 2, kRowHeight}, kBottomStrip);
        x += 4;
    };
    separator();
    // The sort radios left to right, by sort key, and their widths.
    const int sortKeys[7] = {0, 1, 4, 2, 3, 5, 6};
    const int sortWidths[7] = {38, 36, 36, 32, 32, 44, 44};
    for (int k = 0; k < 7; ++k) {
        s.box(id::kSortRadios[static_cast<std::size_t>(sortKeys[k])], x, y, sortWidths[k]).follow = kBottomStrip;
        x += sortWidths[k] + 1;
    }
    separator();
    const int layoutWidths[4] = {30, 30, 30, 44};
    for (int k = 0; k < 4; ++k) {
        s.box(id::kLayoutRadios[static_cast<std::size_t>(k)], x, y, layoutWidths[k]).follow = kBottomStrip;
        x += layoutWidths[k] + 1;
    }
    // 現在候補数 N 種類 at the right end.
    constexpr Follow kCount{kListShare, 100, kListShare, 100};
    constexpr int kRight = kBandsWidth - kMargin;
    s.text(1039, kRight - 75, y, 40).follow = kCount;
    s.text(kIdCandidateCount, kRight - 34, y, 17, TextAlign::Right).follow = kCount;
    s.text(1041, kRight - 16, y, 16).follow = kCount;
}

Window build()
{
    Sheet s;
    fileAndClassStrip(s);
    familyRows(s);
    comparisonsAndConfig(s);
    userBlock(s);
    damageRows(s);
    observationButtons(s);
    searchLines(s);
    skillButtons(s);
    resultLine(s);
    listAndBottomStrip(s);
    addHintPanel(s, kBandsWidth, kPanelWidth, kListShare);
    addAnswerButton(s, kBandsWidth, kPanelWidth, kHeight - 1);
    Window w = std::move(s).window(kWidth, kHeight, kWidth, kHeight - kListGive);
    w.divider = Divider{kBandsWidth, kPanelShare, kPanelMinWidth};
    return w;
}

}  // namespace

const Window& mainWindowLayout()
{
    static const Window window = build();
    return window;
}

}  // namespace kestrel::ui::layout

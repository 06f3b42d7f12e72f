// The two child dialogs. Their texts without an identifier of their own are
// the controls -1, -2, … in the order of the dialog's template; they are named
// here once.

#include "ui/dialogs/answer_dialog.h"
#include "ui/dialogs/config_dialog.h"
#include "ui/layout/sheet.h"
#include "ui/dialogs/user_setting_dialog.h"

namespace kestrel::ui::layout {

namespace {

constexpr Follow kCorner{100, 100, 100, 100};

// User settings: the weapons in three columns and the orb levels beside them,
// the numbers below, OK and Cancel at the bottom right.
Window userSetting()
{
    using namespace user_setting_id;
    constexpr int kWeaponFrame = -1, kBonusCaption = -2, kBonusLabel = -3, kNameLabel = -4, kWeightLabel = -5,
                  kAttackLabel = -6, kDefenseLabel = -7;
    Sheet s;
    s.frame(kWeaponFrame, {7, 5, 170, 86});
    for (int w = 0; w < kWeaponCount; ++w)
        s.box(kFirstWeapon + w, 13 + 54 * (w % 3), 17 + 14 * (w / 3), 52);
    s.decorate(Decoration::Kind::Frame, {181, 10, 76, 92});
    for (int level = 0; level < kOrbCount; ++level)
        s.box(kFirstOrb + level, 185, 14 + 12 * level, 70);

    s.text(kNameLabel, 7, 104, 28);
    s.edit(kName, 37, 104, 70);
    s.text(kBonusCaption, 118, 104, 112);
    s.text(kAttackLabel, 7, 118, 28);
    s.edit(kAttack, 37, 118, 36);
    s.text(kBonusLabel, 118, 118, 72);
    s.edit(kBonus, 192, 118, 36);
    s.text(kDefenseLabel, 7, 132, 28);
    s.edit(kDefense, 37, 132, 36);
    s.text(kWeightLabel, 7, 146, 28);
    s.edit(kWeight, 37, 146, 36);

    s.button(kIdOk, 153, 164, 50, 14).follow = kCorner;
    s.button(kIdCancel, 207, 164, 50, 14).follow = kCorner;
    return std::move(s).window(264, 185, 264, 185);
}

// The special-attack group: the two damage ranges drawn in text one above the
// other, the uncertain part (■) of the normal one above that of the special
// one, the arrows at its ends; Max and Min beside them.
void specialAttackGroup(Sheet& s)
{
    using namespace config_id;
    constexpr int kFrame = -1, kQuestion = -2, kNormalCaption = -3, kNormalRange = -4, kDown = -5, kUp = -6,
                  kSpecialCaption = -7, kSpecialRange = -8, kMax = -9, kMaxTimes = -10, kMin = -11, kMinTimes = -12;
    constexpr int kLegend[3] = {-13, -14, -15};
    s.frame(kFrame, {7, 5, 338, 80});
    s.text(kQuestion, 14, 16, 172);
    s.box(kSpecialOn, 190, 16, 30);
    s.box(kSpecialOff, 224, 16, 38);

    constexpr int kDrawingX = 116, kHalf = 40;  // five full-width characters of the drawing font
    s.text(kNormalCaption, 14, 31, 98);
    s.text(kNormalRange, kDrawingX, 31, 2 * kHalf + 2).font = FontRole::Drawing;
    for (const auto& [id, at] : {std::pair{kDown, kDrawingX + kHalf}, std::pair{kUp, kDrawingX + 2 * kHalf}}) {
        Placement& arrow = s.text(id, at - 4, 42, 8, TextAlign::Centre);
        arrow.font = FontRole::Drawing;
    }
    s.text(kSpecialCaption, 14, 53, 98);
    s.text(kSpecialRange, kDrawingX + kHalf, 53, 2 * kHalf + 2).font = FontRole::Drawing;

    s.text(kMax, 252, 31, 16);
    s.edit(kSpecialHigh, 270, 31, 28);
    s.text(kMaxTimes, 300, 31, 10);
    s.text(kMin, 252, 47, 16);
    s.edit(kSpecialLow, 270, 47, 28);
    s.text(kMinTimes, 300, 47, 10);

    const int legendX[3] = {14, 78, 184}, legendWidth[3] = {60, 102, 106};
    for (int k = 0; k < 3; ++k)
        s.text(kLegend[k], legendX[k], 69, legendWidth[k]);
}

// The floating group: the question, then three uncertain bands
// "caption Min low 倍 ～ Max high 倍 [marker]".
void floatingGroup(Sheet& s)
{
    using namespace config_id;
    constexpr int kFrame = -16, kQuestion = -17;
    s.frame(kFrame, {7, 89, 338, 71});
    s.text(kQuestion, 14, 100, 140);
    s.box(kFloatingOn, 190, 100, 30);
    s.box(kFloatingOff, 224, 100, 38);
    const struct {
        int caption;  // followed by Min, 倍, ～, Max, 倍 and the marker, in template order
        int low;
        int high;
        bool marker;
    } bands[] = {{-18, kNormalLow, kNormalHigh, false},
                 {-24, kElementLow, kElementHigh, true},
                 {-31, kWindLow, kWindHigh, true}};
    for (int b = 0; b < 3; ++b) {
        const auto& band = bands[b];
        const int y = 115 + 14 * b;
        s.text(band.caption, 14, y, 144);
        s.text(band.caption - 1, 160, y, 16);
        s.edit(band.low, 178, y, 28);
        s.text(band.caption - 2, 208, y, 10);
        s.text(band.caption - 3, 219, y, 8, TextAlign::Centre);
        s.text(band.caption - 4, 229, y, 16);
        s.edit(band.high, 247, y, 28);
        s.text(band.caption - 5, 277, y, 10);
        if (band.marker)
            s.text(band.caption - 6, 289, y, 48);
    }
    s.text(-38, 7, 164, 80);     // (※1) …
    s.text(-39, 100, 164, 150);  // (※2) …
}

void toleranceGroup(Sheet& s)
{
    using namespace config_id;
    constexpr int kFrame = -40, kMarker = -47, kNote = -48;
    s.frame(kFrame, {7, 178, 338, 62});
    const struct {
        int caption;  // followed by ～ and % in template order
        int low;
        int high;
    } lines[] = {{-41, kAttackTolLow, kAttackTolHigh}, {-44, kDefenseTolLow, kDefenseTolHigh}};
    for (int l = 0; l < 2; ++l) {
        const int y = 190 + 14 * l;
        s.text(lines[l].caption, 14, y, 170);
        s.edit(lines[l].low, 188, y, 28);
        s.text(lines[l].caption - 1, 218, y, 8, TextAlign::Centre);
        s.edit(lines[l].high, 228, y, 28);
        s.text(lines[l].caption - 2, 258, y, 10);
    }
    s.text(kMarker, 270, 204, 22);
    Placement& note = s.put(kNote, {14, 219, 324, 18});
    note.wrap = true;
}

Window config()
{
    Sheet s;
    specialAttackGroup(s);
    floatingGroup(s);
    toleranceGroup(s);
    s.text(-49, 7, 244, 256);  // 設定値を空白にして…
    s.button(config_id::kInformationReset, 7, 259, 100, 14).follow = {0, 100, 0, 100};
    s.button(kIdOk, 230, 259, 56, 14).follow = kCorner;
    s.button(kIdCancel, 290, 259, 56, 14).follow = kCorner;
    return std::move(s).window(352, 280, 352, 280);
}

// 答え合わせ: the question, the name field across the dialog, the record it
// finds under it, OK and Cancel at the bottom right.
Window answer()
{
    Sheet s;
    s.text(-1, 7, 6, 216);
    Placement& name = s.edit(answer_dialog_id::kName, 7, 19, 216);
    name.align = TextAlign::Left;
    name.follow = kStretchAcross;
    s.text(answer_dialog_id::kFound, 7, 34, 216).follow = kStretchAcross;
    s.button(kIdOk, 119, 52, 50, 14).follow = kCorner;
    s.button(kIdCancel, 173, 52, 50, 14).follow = kCorner;
    return std::move(s).window(230, 73, 230, 73);
}

}  // namespace

const Window* dialogLayout(int templateId)
{
    static const Window user = userSetting();
    static const Window configuration = config();
    static const Window answerCheck = answer();
    if (templateId == AnswerDialog::kTemplate)
        return &answerCheck;
    if (templateId == UserSetting::kTemplate)
        return &user;
    if (templateId == ConfigSetting::kTemplate)
        return &configuration;
    return nullptr;
}

}  // namespace kestrel::ui::layout

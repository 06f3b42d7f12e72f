// Every control of the main window, band by band from top to bottom, with the
// caption it has before the logic writes anything.

#include "ui/main_window/control_set.h"

#include "engine/text_search.h"
#include "ui/hints/hint_panel.h"
#include "ui/list/list_view.h"
#include "ui/ids.h"
#include "ui/texts/texts.h"

#include <array>

namespace kestrel::ui {

namespace {

constexpr int kClassGroup = 1;
constexpr int kConfirmGroup = 2;
constexpr int kSortGroup = 3;
constexpr int kLayoutGroup = 4;

const char* const kFamilyCaptions[14] = {"獣", "鳥", "植", "虫", "怪", "物", "マ",
                                         "エ", "水", "ス", "ゾ", "悪", "ド", "？"};

class Builder {
public:
    void add(int id, ControlKind kind, std::string_view caption = "", int group = 0)
    {
        items.push_back({id, kind, sjis(caption), group});
    }
    void statics(std::initializer_list<std::pair<int, const char*>> items)
    {
        for (const auto& [id, caption] : items)
            add(id, ControlKind::Static, caption);
    }
    // A damage row: icon button, low edit, "～", high edit, icon button.
    void damageRow(int down, int low, int separator, int high, int up)
    {
        add(down, ControlKind::Button);
        add(low, ControlKind::Edit);
        add(separator, ControlKind::Static, "～");
        add(high, ControlKind::Edit);
        add(up, ControlKind::Button);
    }
    // A range line: low, "～", high, average, percentage, with placeholder captions.
    void rangeRow(const std::array<int, 5>& ids)
    {
        for (int i = 0; i < 5; ++i)
            add(ids[i], ControlKind::Static, i == 1 ? "～" : i == 3 ? "(Ave.999)" : i == 4 ? "(999%)" : "999999");
    }
    std::vector<ControlSpec> items;
};

using K = ControlKind;

void addFileAndClassStrip(Builder& b)
{
    b.statics({{1004, "討伐モンスター情報ファイル"}, {id::kPath, "Path"}});
    b.add(id::kRefer, K::Button, "Refer...");
    const char* classes[] = {"初級", "中級", "上級", "超級"};
    for (int c = 0; c < 4; ++c)
        b.add(id::kClassRadios[c], K::Radio, classes[c], kClassGroup);
    b.statics({{1009, "_DBG1"}, {1010, "_DBG2"}, {1094, "_DBG3"}});
    b.add(id::kDummyDefault, K::Button, "dummy");
}

void addFamilyRows(Builder& b)
{
    b.add(id::kConfirmBox, K::CheckBox, "確定");
    for (int k = 0; k < 14; ++k)
        b.add(id::kConfirmRow[k], K::PushRadio, kFamilyCaptions[k], kConfirmGroup);
    b.add(id::kExcludeBox, K::CheckBox, "除外");
    for (int k = 0; k < 14; ++k)
        b.add(id::kExcludeRow[k], K::PushCheck, kFamilyCaptions[k]);
}

void addHpAndMpComparisons(Builder& b)
{
    b.add(1016, K::Static, "HP");
    b.add(id::kHpAtLeastBox, K::CheckBox);
    b.add(id::kHpAtLeastEdit, K::Edit);
    b.add(1020, K::Static, "より多く");
    b.add(id::kHpAtMostBox, K::CheckBox);
    b.add(id::kHpAtMostEdit, K::Edit);
    b.add(1025, K::Static, "より少ない");
    b.add(1056, K::Static, "MP");
    b.add(id::kMpAtLeastBox, K::CheckBox);
    b.add(id::kMpAtLeastEdit, K::Edit);
    b.add(1057, K::Static, "より多く");
    b.add(id::kMpAtMostBox, K::CheckBox);
    b.add(id::kMpAtMostEdit, K::Edit);
    b.add(1068, K::Static, "より少ない");
}

void addUserBlock(Builder& b)
{
    b.add(id::kUserName, K::Static, "USER");
    b.add(id::kUserDown, K::Button);
    b.add(id::kUserNo, K::Edit);
    b.add(id::kUserUp, K::Button);
    b.statics({{1117, "User No"}, {1110, "武器"}, {id::kWeaponName, "使用武器"}});
    b.add(id::kChangeUser, K::Button, "変更");
    b.statics({{id::kUserAttack, "ATK"}, {id::kUserDefense, "DEF"}});
}

// ムーンサルト, received, dealt, weapon special attack.
void addDamageRows(Builder& b)
{
    b.add(1160, K::Static, "ムーンサルト");
    b.damageRow(id::kMoonsaultDown, id::kMoonsaultLow, 1157, id::kMoonsaultHigh, id::kMoonsaultUp);
    b.statics({{1113, "99.99"}, {1174, "～"}, {1171, "99.99"}, {1078, "倍"}, {id::kMoonsaultVerdict, ""}});
    b.add(id::kTakenBox, K::CheckBox);
    b.add(1095, K::Static, "で敵から");
    b.damageRow(id::kTakenDown, id::kTakenLow, 1131, id::kTakenHigh, id::kTakenUp);
    b.add(1097, K::Static, "のダメージを受けた");
    b.add(id::kDealtBox, K::CheckBox);
    b.add(1088, K::Static, "で敵に");
    b.damageRow(id::kDealtDown, id::kDealtLow, 1119, id::kDealtHigh, id::kDealtUp);
    b.add(1091, K::Static, "のダメージを与えた");
    b.add(id::kSpecialName, K::Static);
    b.damageRow(id::kSpecialDown, id::kSpecialLow, 1154, id::kSpecialHigh, id::kSpecialUp);
    b.statics({{1082, "99.99"}, {1173, "～"}, {1172, "99.99"}, {1077, "倍"}, {id::kSpecialVerdict, ""}});
}

void addObservationButtons(Builder& b)
{
    b.add(id::kMetalBox, K::CheckBox, "メタル");
    b.add(id::kMetalButton, K::Button, "ではない");
    b.add(id::kFloatingBox, K::CheckBox, "浮遊");
    b.add(id::kFloatingButton, K::Button, "どっちだろ");
    b.add(id::kSizeBox, K::CheckBox, "大きさ");
    b.add(id::kSizeButton, K::Button, "大きい");
    b.add(id::kMpDrainBox, K::CheckBox, "MP吸");
    b.add(id::kMpDrainButton, K::Button, "えました！");
    b.add(id::kAngerBox, K::CheckBox, "怒り");
    b.add(id::kAngerButton, K::Button, "ました！");
    b.add(id::kPushBox, K::CheckBox, "重さ");
    b.add(id::kPushButton, K::Button, "押せました");
}

void addSearchLine(Builder& b)
{
    b.add(id::kSearchBox, K::CheckBox, "特技検索");
    b.add(id::kSearchEdit, K::Edit);
    b.add(1181, K::Static, "＠名前 で名前検索");
    b.add(id::kToleranceBox, K::CheckBox,
          "誤差を許容 （意図せず該当する敵がいなくなった時はチェックしてみてください）");
    for (int skillButton : id::kSkillButtons)
        b.add(skillButton, K::Button);
}

// RESET and the attack and defense ranges.
void addResultLine(Builder& b)
{
    b.add(id::kReset, K::Button, "RESET");
    b.add(1087, K::Static, "敵の攻撃力");
    b.rangeRow(id::kAttackRange);
    b.add(1111, K::Static, "敵の守備力");
    b.rangeRow(id::kDefenseRange);
    b.add(1163, K::Static, "/");
    b.add(1162, K::Static, "特攻時");
    b.rangeRow(id::kBonusDefenseRange);
}

void addBottomStrip(Builder& b)
{
    b.add(id::kListLock, K::CheckBox, "List Lock");
    const char* sorts[] = {"50音順", "図鑑順", "HP順", "MP順", "系統順", "攻撃力順", "守備力順"};
    for (int key : {0, 1, 4, 2, 3, 5, 6})  // the buttons' left-to-right order
        b.add(id::kSortRadios[key], K::Radio, sorts[key], kSortGroup);
    const char* layouts[] = {"特技", "場所", "まめ", "ダメージ"};
    for (int layout = 0; layout < 4; ++layout)
        b.add(id::kLayoutRadios[layout], K::Radio, layouts[layout], kLayoutGroup);
    b.statics({{1039, "現在候補数"}, {kIdCandidateCount, "0"}, {1041, "種類"}});
}

}  // namespace

std::vector<ControlSpec> mainWindowControls()
{
    Builder b;
    addFileAndClassStrip(b);
    addFamilyRows(b);
    addHpAndMpComparisons(b);
    b.add(id::kConfig, ControlKind::Button, "Config Setting...");
    addUserBlock(b);
    addDamageRows(b);
    addObservationButtons(b);
    addSearchLine(b);
    addResultLine(b);
    b.add(kIdList, ControlKind::List);
    addBottomStrip(b);
    addHintPanelControls(b.items);
    b.add(id::kAnswerCheck, ControlKind::Button, "答え合わせ…");
    return b.items;
}

}  // namespace kestrel::ui

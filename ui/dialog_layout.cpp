// The child dialogs by their templates: user settings (138) and Config (145).
// Texts without an identifier of their own are the controls -1, -2, … in the
// order of their template; a group's caption is one of them.

#include "ui/window_layout.h"

namespace kestrel::ui::layout {

namespace {

constexpr int kUserSettingTemplate = 138;
constexpr int kConfigTemplate = 145;
constexpr int kMargin = 7;
constexpr int kLine = 12;
constexpr int kButtonWidth = 50;
constexpr Align C = Align::Centre;

void frame(WindowLayout& out, int label, Rect rect) { out.items.push_back({label, rect, Align::Left, true}); }

// OK and Cancel at the bottom right.
void closingButtons(WindowLayout& out, int y)
{
    Row(out, out.width - kMargin - 2 * kButtonWidth - 4, y, 14).spacing(4).put(kIdOk, kButtonWidth).put(kIdCancel, kButtonWidth);
}

// Weapons three to a line in their group, orb levels in a column beside them,
// the player's numbers below.
WindowLayout userSetting()
{
    constexpr int kFirstWeapon = 1007, kWeaponCount = 15, kFirstOrb = 1024, kOrbCount = 7;
    WindowLayout out;
    out.width = 340;
    frame(out, -1, {kMargin, 4, 240, 94});  // 使用武器選択
    for (int w = 0; w < kWeaponCount; ++w)
        out.items.push_back({kFirstWeapon + w, {kMargin + 8 + (w % 3) * 76, 17 + (w / 3) * 15, 74, kLine}});
    for (int level = 0; level < kOrbCount; ++level)
        out.items.push_back({kFirstOrb + level, {256, 10 + level * 12, 78, kLine}});
    const int numbers[][2] = {{-4, 1022}, {-6, 1005}, {-7, 1006}, {-5, 1023}};  // 名前 攻撃力 守備力 重さ
    for (int line = 0; line < 4; ++line)
        Row(out, kMargin, 106 + line * 15, kLine).put(numbers[line][0], 34).put(numbers[line][1], line == 0 ? 90 : 40, C);
    Row(out, 150, 106, kLine).put(-2, 150);                    // 昏冥庫パ二ガルム 冥無の精
    Row(out, 150, 121, kLine).put(-3, 70).put(1031, 40, C);   // 特技ダメージ　＋
    out.height = 106 + 4 * 15 + 6 + 14 + kMargin;
    closingButtons(out, 106 + 4 * 15 + 6);
    return out;
}

// The drawing of the special-attack group: the normal and the special damage
// range one above the other, the special one shifted so that their uncertain
// parts (■) meet, with the arrows at the ends of the uncertain part.
void specialAttackGroup(WindowLayout& out)
{
    frame(out, -1, {kMargin, 4, 386, 88});  // 特攻攻撃 設定
    Row(out, 14, 16, kLine).put(-2, 200).put(1006, 32).put(1007, 40);  // … による系統自動判定 する しない
    Row(out, 14, 31, 10).put(-3, 100).put(-4, 84);  // 通常攻撃でのダメージ範囲 ×××××■■■■■
    Row(out, 158, 41, 10).put(-5, 8, C).gap(26).put(-6, 8, C);  // ↓ ↑
    Row(out, 14, 51, 10).put(-7, 100).gap(42).put(-8, 84);  // 特攻攻撃でのダメージ範囲 ■■■■■○○○○○
    Row(out, 290, 30, kLine).put(-9, 18).put(1131, 30, C).put(-10, 10);   // Max … 倍
    Row(out, 290, 46, kLine).put(-11, 18).put(1132, 30, C).put(-12, 10);  // Min … 倍
    Row(out, 14, 70, kLine).spacing(8).put(-13, 80).put(-14, 116).put(-15, 124);
}

void floatingGroup(WindowLayout& out)
{
    frame(out, -16, {kMargin, 96, 386, 72});  // 浮遊判定 設定
    Row(out, 14, 108, kLine).put(-17, 150).put(1008, 32).put(1009, 40);  // ムーンサルトによる… する しない
    // caption, Min, low, 倍, ～, Max, high, 倍 [, marker]
    const struct {
        int firstLabel, low, high;
        bool marker;
    } lines[] = {{-18, 1142, 1145, false}, {-24, 1150, 1153, true}, {-31, 1158, 1161, true}};
    for (int line = 0; line < 3; ++line) {
        const auto& l = lines[line];
        Row r(out, 14, 123 + line * 14, kLine);
        r.put(l.firstLabel, 150).put(l.firstLabel - 1, 18).put(l.low, 30, C).put(l.firstLabel - 2, 10);
        r.put(l.firstLabel - 3, 8, C).put(l.firstLabel - 4, 18).put(l.high, 30, C).put(l.firstLabel - 5, 10);
        if (l.marker)
            r.put(l.firstLabel - 6, 70);
    }
}

void toleranceGroup(WindowLayout& out)
{
    frame(out, -40, {kMargin, 186, 386, 64});  // ダメージ計算 誤差許容設定
    const int lines[2][5] = {{-41, 1129, -42, 1112, -43}, {-44, 1130, -45, 1114, -46}};
    for (int line = 0; line < 2; ++line) {
        Row r(out, 14, 198 + line * 14, kLine);
        r.put(lines[line][0], 176).put(lines[line][1], 30, C).put(lines[line][2], 8, C).put(lines[line][3], 30, C);
        r.put(lines[line][4], 10);
        if (line == 1)
            r.put(-47, 22);  // (※3)
    }
    Row(out, 14, 226, 20).put(-48, 372);  // (※3) バージョンアップ等で…
}

WindowLayout config()
{
    WindowLayout out;
    out.width = 400;
    specialAttackGroup(out);
    floatingGroup(out);
    Row(out, kMargin, 172, kLine).spacing(12).put(-38, 90).put(-39, 200);  // (※1) …, (※2) …
    toleranceGroup(out);
    Row(out, kMargin, 256, kLine).put(-49, 386);  // 設定値を空白にして…
    Row(out, kMargin, 272, 14).put(3, 110);       // Information Message Reset
    closingButtons(out, 272);
    out.height = 272 + 14 + kMargin;
    return out;
}

}  // namespace

WindowLayout dialogLayout(int templateId)
{
    if (templateId == kUserSettingTemplate)
        return userSetting();
    if (templateId == kConfigTemplate)
        return config();
    return {};
}

}  // namespace kestrel::ui::layout

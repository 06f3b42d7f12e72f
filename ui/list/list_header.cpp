#include "ui/list/list_header.h"

#include "engine/sorting.h"
#include "ui/texts/texts.h"

#include <array>

namespace kestrel::ui {

namespace {

struct HeaderText {
    const char* header;  // UTF-8, as in the column tables
    const char* tip;     // UTF-8
    int sortKey;         // -1 for none
};

constexpr std::array<HeaderText, 14> kHeaders = {{
    {"Name", "モンスターの名前。", kSortReading},
    {"系",
     "系統: 獣 鳥 植 虫 怪 物 マ エ 水 ス ゾ 悪 ド ？。\n「物?」のように後ろに ? が付くものは系統が確かでない、? "
     "だけなら系統不明。",
     kSortFamily},
    {"属", "見た目の特徴（当てはまる最初の一つ）:\nM メタル、浮 浮いている、大 大きい、地 地面にいる、透 透けている。",
     -1},
    {" HP ", "HP。? は不明。", kSortHp},
    {" MP ", "MP。? は不明。", kSortMp},
    {"攻撃", "攻撃力。? は不明。\n* は与ダメージに誤差の幅 (+-n) が定められているモンスター。", kSortAttack},
    {"守備", "守備力。? は不明。\n* は被ダメージに誤差の幅 (+-n) が定められているモンスター。", kSortDefense},
    {"与ダメ",
     "今のユーザーの攻撃力で与える予想ダメージ（最小～最大）。\n(+-3) は定義ファイルにある誤差の幅、? "
     "は守備力が不明。\n"
     "右の % は 攻撃力÷守備力 で、57% 以下のときだけ出ます。",
     -1},
    {"被ダメ",
     "今のユーザーの守備力で受ける予想ダメージ（最小～最大）。\n(+-3) は定義ファイルにある誤差の幅。\n"
     "右の % は 敵の攻撃力÷自分の守備力 で、57% 以下のときだけ出ます。",
     -1},
    {"与ダメ図",
     "与ダメージの図: 棒は予想ダメージの最小から最大まで。薄い部分は「誤差を許容」で広がった分。\n"
     "列のすべての棒は同じ目盛り（候補の最小～最大）。赤い縦線は入力した与ダメージ。\n"
     "? は守備力が不明か、ユーザーの攻撃力が未設定。",
     -1},
    {"被ダメ図",
     "被ダメージの図: 棒は予想ダメージの最小から最大まで。薄い部分は「誤差を許容」で広がった分。\n"
     "列のすべての棒は同じ目盛り（候補の最小～最大）。赤い縦線は入力した被ダメージ。\n"
     "? は攻撃力が不明か、ユーザーの守備力が未設定。",
     -1},
    {"特技", "特技。特技検索に当たった特技が先に並びます。", -1},
    {"まめちしき１", "→ は豆検索に当たった行。", -1},
    {"まめちしき２", "→ は豆検索に当たった行。", -1},
}};

const char* const kSortNames[] = {"50音順", "図鑑順", "HP順", "MP順", "系統順", "攻撃力順", "守備力順"};

const HeaderText* find(std::string_view header)
{
    for (const HeaderText& h : kHeaders)
        if (sjis(h.header) == header)
            return &h;
    return nullptr;
}

}  // namespace

std::string headerToolTip(std::string_view header)
{
    const HeaderText* found = find(header);
    if (found == nullptr)
        return {};
    std::string tip = sjis(found->tip);
    if (found->sortKey >= 0)
        tip += sjis("\nクリックで「") + sjis(kSortNames[found->sortKey]) + sjis("」に並べ替え。");
    return tip;
}

std::optional<std::int32_t> headerSortKey(std::string_view header)
{
    const HeaderText* found = find(header);
    if (found == nullptr || found->sortKey < 0)
        return std::nullopt;
    return found->sortKey;
}

}  // namespace kestrel::ui

// The texts of the information messages, written here in UTF-8 and handed out
// in code page 932.

#include "ui/texts/information_messages.h"

#include "ui/texts/texts.h"

#include <cstdio>
#include <initializer_list>
#include <string_view>

namespace kestrel::ui {

namespace {

std::string joined(std::initializer_list<std::string_view> pieces)
{
    std::string text;
    for (std::string_view piece : pieces)
        text += piece;
    return sjis(text);
}

// Status changes of the later 2.4 update: why some monsters drop out.
std::string statusUpdateNotice()
{
    return joined({
        "Ver2.4後期でレンダーシアのモンスターを中心に敵のステータス(攻撃力、守備力)が変更されています。\n\n",
        "このため、これらのモンスターが出題されると正しい結果が得られません。\n",
        "気づいたモンスターには暫定値を入れてありますが、それでも意図せずモンスターの該当候補がなくなったりした場合は、"
        "\n"
        "< □ 誤差を許容 > という部分をチェック状態にしてみてください。\n\n",
        "正確な値は攻略本待ちになります。",
    });
}

std::string toleranceQuestion()
{
    const Tolerances& t = kRecommendedTolerances;
    char text[512];
    std::snprintf(text, sizeof text,
                  "Ver2.4後期におけるモンスターのステータス(攻撃力、守備力)変更に対応するための許容範囲を、"
                  "推奨値に変更してもよろしいですか？\n\n攻撃力：%3d%%～%3d%%\n\n守備力：%3d%%～%3d%%",
                  static_cast<int>(t.PERM_ATK_L), static_cast<int>(t.PERM_ATK_H), static_cast<int>(t.PERM_DEF_L),
                  static_cast<int>(t.PERM_DEF_H));
    return sjis(text);
}

std::string versionTopics()
{
    return joined({
        "Ver 2.0 TOPIC\n\n",
        "・ダメージ入力はテンキーの +/- で増減可能です\n\n",
        "・知の祝祭用の ＜まめちしき＞ 検索可能です\n\n",
        "・系統、浮遊の自動判定はConfigで無効にできます\n\n",
        "その他の変更点は、変更点一覧 を参照ください\n\n",
        "これら Information Message を再度表示させる場合は、Config の\n"
        "[ Information Message Reset ] ボタンを押してください\n",
    });
}

std::string pushingNotice()
{
    return joined({
        "<押せない> とは一切相手側に押し込めない状態です\n",
        "　　これを選ぶと明らかに軽い敵をフィルターします\n",
        "　　→　HRV の相撲用語 <劣勢ライン>\n",
        "　　　　　より軽い敵をフィルターします\n\n",
        "<押せた> とは一瞬でも相手側に押せた状態です\n",
        "　　これを選ぶと明らかに重い敵をフィルターします\n",
        "　　→　HRV の相撲用語 <完封ライン>\n",
        "　　　　　より重い敵をフィルターします\n\n",
        "どちらも大幅に軽い/重い敵のフィルターなので、User設定の重さの設定は、あまり厳密である必要はありません\n",
        "装備の脱着による２、３割の重さ増減は、再設定の必要はないかと思います\n\n",
        "以下の点にご注意ください\n",
        "・一人で押せたか？\n",
        "・押せないのは反対側に別プレイヤーがいないか？\n",
        "・自分/敵共に、重さ関連の特技/呪文を使ったあとではないか？\n",
    });
}

std::string mpDrainNotice()
{
    return joined({
        "予備知識として以下のこと理解し、判定をおこなってください\n\n",
        "・杖／スティックによる通常攻撃(殴り)でのMP吸収は、\n",
        "　自MPが満タンの時は吸うことができません\n\n",
        "・一方、<呪文：マホトラ> は自MPが満タンでも吸うことができます\n\n",
        "MP吸収無効な敵について不足/間違い等ありましたら、ご指摘いただければ幸いです\n",
    });
}

// The big monsters of the catalogue, by name or by family, sixteen lines.
std::string sizeNotice()
{
    return joined({
        "<大きい> とは押してみてミルトポの形状と不釣合いな間が生じる敵を指します\n\n",
        "　　岩肌グマ\n"
        "　　ツタノオウ\n"
        "　　カワハギザウルス、ガラガラ大蛇\n"
        "　　スチームガード、ネジマキ将軍\n"
        "　　ウズマキダコ\n"
        "　　ツブツブル大王\n"
        "　　魔界ノ番人\n"
        "　　ツバサリュウモドキ、ミドリノ飛竜\n"
        "　　大グマ系\n"
        "　　大ツタ系\n"
        "　　ザウルス系、大蛇系\n"
        "　　蒸気ヨロイ系、ゼンマイ将軍系\n"
        "　　大ダコ系\n"
        "　　ツブツブ大王系\n"
        "　　番人系\n"
        "　　飛竜系、リュウモドキ系\n\n",
        "　　以上の敵が <大きい> で選択されます。\n",
        "　　４本歩行(幅広)タイプとその他大きい敵をチョイスしたつもり･･･\n\n",
        "<普通> とは上記 <大きい> 敵をフィルターします\n\n",
        "不足/間違い等ありましたら、ご指摘いただければ幸いです\n",
    });
}

}  // namespace

std::string informationText(int message)
{
    switch (message) {
    case 0: return statusUpdateNotice();
    case 1: return toleranceQuestion();
    case 2: return versionTopics();
    case 3: return pushingNotice();
    case 4: return mpDrainNotice();
    case 6: return sizeNotice();
    default: return {};
    }
}

}  // namespace kestrel::ui

// The Config dialog: the values it shows when it opens and how it reads them
// back on OK. A value outside its range, an empty field included, silently
// becomes its recommended value.

#include "ui/config_dialog.h"

#include "catalogue/field_parsing.h"
#include "ui/dialog_template.h"

#include <charconv>
#include <string_view>

namespace kestrel::ui {

namespace {

using namespace config_id;

constexpr int kSpecialGroup = 1;
constexpr int kFloatingGroup = 2;

std::string formatRatio(float value)
{
    // "%3.2f" without the locale: the decimal point is always '.'.
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, static_cast<double>(value), std::chars_format::fixed, 2);
    return result.ec == std::errc() ? std::string(text, result.ptr) : std::string("0.00");
}

// The leading decimal number of a text in the manner of "%f" (blanks skipped,
// optional sign, the rest ignored); 0 when there is none or it is out of range.
float leadingDecimal(std::string_view text)
{
    std::size_t pos = text.find_first_not_of(" \t\n\v\f\r");
    if (pos == std::string_view::npos)
        return 0.0f;
    text.remove_prefix(pos);
    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        negative = text.front() == '-';
        text.remove_prefix(1);
        if (text.empty() || text.front() == '+' || text.front() == '-')
            return 0.0f;
    }
    float value = 0.0f;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (result.ec != std::errc())
        return 0.0f;
    return negative ? -value : value;
}

std::int32_t tolerance(const Controls& controls, int id, bool highEdit, std::int32_t recommended)
{
    const std::int32_t value = leadingInteger(controls.text(id)).value_or(0);
    // A low tolerance may be negative; it only must not be 0 or above 100.
    const bool kept = highEdit ? value >= 100 && value <= 999 : value != 0 && value <= 100;
    return kept ? value : recommended;
}

float ratio(const Controls& controls, int id, float recommended)
{
    const float value = leadingDecimal(controls.text(id));
    return value >= 0.5f && value <= 2.0f ? value : recommended;
}

}  // namespace

ConfigValues configValuesOf(const Settings& s)
{
    return ConfigValues{s.PERM_ATK_L,    s.PERM_ATK_H,    s.PERM_DEF_L,    s.PERM_DEF_H,    s.AUTOJUDG_SPC,
                        s.AUTOJUDG_FLY,  s.VAL_TYP_SPC_L, s.VAL_TYP_SPC_H, s.VAL_FLY_NOM_L, s.VAL_FLY_NOM_H,
                        s.VAL_FLY_ELE_L, s.VAL_FLY_ELE_H, s.VAL_FLY_WID_L, s.VAL_FLY_WID_H};
}

void applyConfigValues(Settings& s, const ConfigValues& v)
{
    s.PERM_ATK_L = v.PERM_ATK_L;
    s.PERM_ATK_H = v.PERM_ATK_H;
    s.PERM_DEF_L = v.PERM_DEF_L;
    s.PERM_DEF_H = v.PERM_DEF_H;
    s.AUTOJUDG_SPC = v.AUTOJUDG_SPC;
    s.AUTOJUDG_FLY = v.AUTOJUDG_FLY;
    s.VAL_TYP_SPC_L = v.VAL_TYP_SPC_L;
    s.VAL_TYP_SPC_H = v.VAL_TYP_SPC_H;
    s.VAL_FLY_NOM_L = v.VAL_FLY_NOM_L;
    s.VAL_FLY_NOM_H = v.VAL_FLY_NOM_H;
    s.VAL_FLY_ELE_L = v.VAL_FLY_ELE_L;
    s.VAL_FLY_ELE_H = v.VAL_FLY_ELE_H;
    s.VAL_FLY_WID_L = v.VAL_FLY_WID_L;
    s.VAL_FLY_WID_H = v.VAL_FLY_WID_H;
}

std::string ConfigSetting::caption() const
{
    return "Config";
}

std::vector<ControlSpec> ConfigSetting::controls() const
{
    using K = ControlKind;
    DialogTemplate t;

    t.label("特攻攻撃 設定");
    t.label("武器特攻(例：けもの突き) による系統自動判定");
    t.add(kSpecialOn, K::Radio, "する", kSpecialGroup);
    t.add(kSpecialOff, K::Radio, "しない", kSpecialGroup);
    t.labels({"通常攻撃でのダメージ範囲", "×××××■■■■■", "↓", "↑", "特攻攻撃でのダメージ範囲",
              "■■■■■○○○○○"});
    t.label("Max");
    t.add(kSpecialHigh, K::Edit);
    t.label("倍");
    t.label("Min");
    t.add(kSpecialLow, K::Edit);
    t.label("倍");
    t.labels({"■ どちらか不明", "○ 該当系統である（確定）", "× 該当系統ではない (確定)"});

    t.label("浮遊判定 設定");
    t.label("ムーンサルトによる敵の浮遊自動判定");
    t.add(kFloatingOn, K::Radio, "する", kFloatingGroup);
    t.add(kFloatingOff, K::Radio, "しない", kFloatingGroup);
    // Three rows of an uncertain band: "Min" low "倍" "～" "Max" high "倍".
    const auto band = [&t](std::string_view caption, int low, int high, std::string_view marker) {
        t.label(caption);
        t.label("Min");
        t.add(low, K::Edit);
        t.labels({"倍", "～", "Max"});
        t.add(high, K::Edit);
        t.label("倍");
        if (!marker.empty())
            t.label(marker);
    };
    band("非エレメント時の不確定領域", kNormalLow, kNormalHigh, "");
    band("エレメント時の不確定領域", kElementLow, kElementHigh, "(※2)");
    band("エレメント(風耐性 ※1)時の不確定領域", kWindLow, kWindHigh, "(現在未使用)");
    t.labels({"(※1) ましょうぐも", "(※2) 各設定値の意味は特攻攻撃と同じ"});

    t.label("ダメージ計算 誤差許容設定");
    t.label("与ダメから求めた敵の守備力のフィルター誤差");
    t.add(kAttackTolLow, K::Edit);
    t.label("～");
    t.add(kAttackTolHigh, K::Edit);
    t.label("%");
    t.label("被ダメから求めた敵の攻撃力のフィルター誤差");
    t.add(kDefenseTolLow, K::Edit);
    t.label("～");
    t.add(kDefenseTolHigh, K::Edit);
    t.label("%");
    t.label("(※3)");
    t.label("(※3) バージョンアップ等でステータスが大幅に変更されたときの一時的な回避策として使用します");
    t.label("設定値を空白にしてOKを押すことでデフォルト値 (推奨値) に戻ります");

    t.add(kInformationReset, K::Button, "Information Message Reset");
    t.add(kIdOk, K::Button, "OK");
    t.add(kIdCancel, K::Button, "ｷｬﾝｾﾙ");
    return t.take();
}

void ConfigSetting::onInit(Controls& controls)
{
    controls.setText(kAttackTolLow, std::to_string(values.PERM_ATK_L));
    controls.setText(kAttackTolHigh, std::to_string(values.PERM_ATK_H));
    controls.setText(kDefenseTolLow, std::to_string(values.PERM_DEF_L));
    controls.setText(kDefenseTolHigh, std::to_string(values.PERM_DEF_H));
    controls.setText(kSpecialLow, formatRatio(values.VAL_TYP_SPC_L));
    controls.setText(kSpecialHigh, formatRatio(values.VAL_TYP_SPC_H));
    controls.setText(kNormalLow, formatRatio(values.VAL_FLY_NOM_L));
    controls.setText(kNormalHigh, formatRatio(values.VAL_FLY_NOM_H));
    controls.setText(kElementLow, formatRatio(values.VAL_FLY_ELE_L));
    controls.setText(kElementHigh, formatRatio(values.VAL_FLY_ELE_H));
    controls.setText(kWindLow, formatRatio(values.VAL_FLY_WID_L));
    controls.setText(kWindHigh, formatRatio(values.VAL_FLY_WID_H));
    controls.setEnabled(kWindHigh, false);
    controls.setChecked(kSpecialOn, values.AUTOJUDG_SPC != 0);
    controls.setChecked(kSpecialOff, values.AUTOJUDG_SPC == 0);
    controls.setChecked(kFloatingOn, values.AUTOJUDG_FLY != 0);
    controls.setChecked(kFloatingOff, values.AUTOJUDG_FLY == 0);
}

// "Information Message Reset" ends the dialog with OK at once, before any field
// is read. The control set gives a click no way to end the dialog: here the
// click only records the request, and the OK that follows it (in the window
// system: the dialog's end on this click) hands the values back unchanged.
void ConfigSetting::onClicked(int id)
{
    if (id == kInformationReset)
        resetRequested = true;
}

void ConfigSetting::onOk(Controls& controls)
{
    // After a reset request the fields are not read: edits made in this opening
    // of the dialog are dropped, and the flag stays for the caller.
    if (resetRequested)
        return;
    values.PERM_ATK_L = tolerance(controls, kAttackTolLow, false, 70);
    values.PERM_ATK_H = tolerance(controls, kAttackTolHigh, true, 100);
    values.PERM_DEF_L = tolerance(controls, kDefenseTolLow, false, 50);
    values.PERM_DEF_H = tolerance(controls, kDefenseTolHigh, true, 100);
    values.AUTOJUDG_SPC = controls.checked(kSpecialOn) ? 1 : 0;
    values.AUTOJUDG_FLY = controls.checked(kFloatingOn) ? 1 : 0;
    values.VAL_TYP_SPC_L = ratio(controls, kSpecialLow, 1.00f);
    values.VAL_TYP_SPC_H = ratio(controls, kSpecialHigh, 1.20f);
    values.VAL_FLY_NOM_L = ratio(controls, kNormalLow, 1.30f);
    values.VAL_FLY_NOM_H = ratio(controls, kNormalHigh, 1.56f);
    values.VAL_FLY_ELE_L = ratio(controls, kElementLow, 1.09f);
    values.VAL_FLY_ELE_H = ratio(controls, kElementHigh, 1.30f);
    values.VAL_FLY_WID_L = ratio(controls, kWindLow, 0.90f);
    values.VAL_FLY_WID_H = ratio(controls, kWindHigh, 1.17f);
    resetRequested = false;
}

}  // namespace kestrel::ui

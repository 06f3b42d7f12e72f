// The Config dialog: the values it shows when it opens and how it reads them
// back on OK. A value outside its range, an empty field included, silently
// becomes its recommended value.

#include "ui/dialogs/config_dialog.h"

#include "catalogue/field_parsing.h"
#include "ui/dialogs/dialog_template.h"

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
    const auto result =
        std::to_chars(text, text + sizeof text, static_cast<double>(value), std::chars_format::fixed, 2);
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

// The edits of the four tolerances and the eight thresholds, in reading order.
struct ToleranceField {
    int id;
    std::int32_t Tolerances::*value;
    bool high;  // a high tolerance (100..999) rather than a low one
};
constexpr ToleranceField kToleranceFields[] = {
    {kAttackTolLow, &Tolerances::PERM_ATK_L, false},
    {kAttackTolHigh, &Tolerances::PERM_ATK_H, true},
    {kDefenseTolLow, &Tolerances::PERM_DEF_L, false},
    {kDefenseTolHigh, &Tolerances::PERM_DEF_H, true},
};

struct RatioField {
    int id;
    float JudgementThresholds::*value;
};
constexpr RatioField kRatioFields[] = {
    {kSpecialLow, &JudgementThresholds::VAL_TYP_SPC_L}, {kSpecialHigh, &JudgementThresholds::VAL_TYP_SPC_H},
    {kNormalLow, &JudgementThresholds::VAL_FLY_NOM_L},  {kNormalHigh, &JudgementThresholds::VAL_FLY_NOM_H},
    {kElementLow, &JudgementThresholds::VAL_FLY_ELE_L}, {kElementHigh, &JudgementThresholds::VAL_FLY_ELE_H},
    {kWindLow, &JudgementThresholds::VAL_FLY_WID_L},    {kWindHigh, &JudgementThresholds::VAL_FLY_WID_H},
};

}  // namespace

std::string ConfigSetting::caption() const { return "Config"; }

std::vector<ControlSpec> ConfigSetting::controls() const
{
    using K = ControlKind;
    DialogTemplate t;

    t.label("特攻攻撃 設定");
    t.label("武器特攻(例：けもの突き) による系統自動判定");
    t.add(kSpecialOn, K::Radio, "する", kSpecialGroup);
    t.add(kSpecialOff, K::Radio, "しない", kSpecialGroup);
    t.labels({"通常攻撃でのダメージ範囲", "×××××■■■■■", "↓", "↑", "特攻攻撃でのダメージ範囲", "■■■■■○○○○○"});
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
    for (const ToleranceField& f : kToleranceFields)
        controls.setText(f.id, std::to_string(values.tolerances.*f.value));
    for (const RatioField& f : kRatioFields)
        controls.setText(f.id, formatRatio(values.thresholds.*f.value));
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
    // An empty or out-of-range field gives the value of a fresh settings file.
    const ConfigValues defaults;
    for (const ToleranceField& f : kToleranceFields)
        values.tolerances.*f.value = tolerance(controls, f.id, f.high, defaults.tolerances.*f.value);
    values.AUTOJUDG_SPC = controls.checked(kSpecialOn) ? 1 : 0;
    values.AUTOJUDG_FLY = controls.checked(kFloatingOn) ? 1 : 0;
    for (const RatioField& f : kRatioFields)
        values.thresholds.*f.value = ratio(controls, f.id, defaults.thresholds.*f.value);
    resetRequested = false;
}

}  // namespace kestrel::ui

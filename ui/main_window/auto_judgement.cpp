// The family and floating auto-judgement as the window shows and applies it:
// the ratio texts and verdicts beside the skill rows, and the verdicts recorded
// in the observation state when the settings allow it.

#include "ui/main_window/window.h"

#include "catalogue/field_parsing.h"
#include "engine/auto_judgement.h"
#include "ui/ids.h"
#include "ui/texts/texts.h"

#include <cstdio>

namespace kestrel::ui {

namespace {

constexpr int kElementFamily = 8;  // エ

const char* const kFamilyNames[kFamilyCount] = {"獣", "鳥", "植", "虫", "怪", "物", "マ",
                                                "エ", "水", "ス", "ゾ", "悪", "ド", "？"};

std::int32_t damageIn(const Controls& controls, int edit) { return leadingInteger(controls.text(edit)).value_or(0); }

std::string ratioText(float ratio)
{
    char text[32];
    std::snprintf(text, sizeof text, "%3.2f", static_cast<double>(ratio));
    return text;
}

SkillDamage typedSkillDamage(const Controls& controls)
{
    SkillDamage typed;
    typed.normalLow = damageIn(controls, id::kDealtLow);
    typed.normalHigh = damageIn(controls, id::kDealtHigh);
    typed.specialLow = damageIn(controls, id::kSpecialLow);
    typed.specialHigh = damageIn(controls, id::kSpecialHigh);
    typed.moonsaultLow = damageIn(controls, id::kMoonsaultLow);
    typed.moonsaultHigh = damageIn(controls, id::kMoonsaultHigh);
    return typed;
}

// The family row's ratios and verdict; family is the weapon's target family.
void showFamilyJudgement(Controls& controls, const FamilyJudgement& judgement, int family)
{
    controls.setText(id::kRatioStatics[0], ratioText(judgement.ratio.rMin));
    controls.setText(id::kRatioStatics[1], ratioText(judgement.ratio.rMax));
    const std::string name = judgement.verdict == FamilyVerdict::NoTarget ? "" : sjis(kFamilyNames[family]);
    switch (judgement.verdict) {
    case FamilyVerdict::Excluded: controls.setText(id::kSpecialVerdict, sjis("除外 → [") + name + "]"); break;
    case FamilyVerdict::Confirmed: controls.setText(id::kSpecialVerdict, sjis("確定 → [") + name + "]"); break;
    case FamilyVerdict::Undecided: controls.setText(id::kSpecialVerdict, sjis("系統判定中")); break;
    case FamilyVerdict::NoTarget:
        // A weapon outside the table names no family to judge.
        controls.setText(id::kSpecialVerdict, "");
        break;
    }
}

// The floating row's ratios and verdict.
void showFloatingJudgement(Controls& controls, const FloatingJudgement& judgement)
{
    controls.setText(id::kRatioStatics[2], ratioText(judgement.ratio.rMin));
    controls.setText(id::kRatioStatics[3], ratioText(judgement.ratio.rMax));
    switch (judgement.verdict) {
    case FloatingVerdict::WindResistant: controls.setText(id::kMoonsaultVerdict, sjis("ましょうぐも？")); break;
    case FloatingVerdict::NotFloating: controls.setText(id::kMoonsaultVerdict, sjis("浮いていない")); break;
    case FloatingVerdict::Floating: controls.setText(id::kMoonsaultVerdict, sjis("浮いている")); break;
    case FloatingVerdict::Undecided: controls.setText(id::kMoonsaultVerdict, sjis("浮遊判定中")); break;
    }
}

}  // namespace

// Runs after a damage value was taken. The family row is judged and applied
// first, so that a confirmation of エ it records already selects the エ
// thresholds of the floating row. While the attack is unset the dealt damage
// judges nothing.
void CKestrelDlg::judgeFamilyAndFloating()
{
    const SkillDamage typed = typedSkillDamage(controls_);
    if (state_.currentUser < 0)
        state_.currentUser = 0;
    const PlayerProfile* profile = currentProfile();
    if (profile != nullptr && attackUnset(*profile))
        return;
    const std::int32_t bonus = profile ? profile->SPATK : 0;
    const WeaponRow* weapon = profile ? weaponRow(profile->WEAPON) : nullptr;
    // Without normal damage neither row shows anything.
    const JudgementThresholds& thresholds = settings_.config.thresholds;
    const FamilyJudgement family = judgeFamily(typed, bonus, weapon ? weapon->targetFamily : -1, thresholds);
    if (family.ratio.shown) {
        const int m = weapon ? weapon->targetFamily : 0;
        showFamilyJudgement(controls_, family, m);
        if (settings_.config.AUTOJUDG_SPC != 0 && family.verdict == FamilyVerdict::Excluded) {
            // Every other button goes on showing its own flag.
            for (int k = 0; k < kFamilyCount; ++k)
                controls_.setChecked(id::kExcludeRow[k], k == m || state_.familyExcluded[k + 1] != 0);
            applyFamilyExclusion(m + 1);
        } else if (settings_.config.AUTOJUDG_SPC != 0 && family.verdict == FamilyVerdict::Confirmed) {
            for (int k = 0; k < kFamilyCount; ++k)
                controls_.setChecked(id::kConfirmRow[k], k == m);
            applyFamilyConfirmation(m + 1);
        }
    }

    const bool elementConfirmed =
        controls_.checked(id::kConfirmBox) && controls_.checked(id::kConfirmRow[kElementFamily - 1]);
    const FloatingJudgement floating = judgeFloating(typed, bonus, elementConfirmed, thresholds);
    if (!floating.ratio.shown)
        return;
    showFloatingJudgement(controls_, floating);
    if (floating.verdict == FloatingVerdict::NotFloating)
        setObservedFloating(0);
    else if (floating.verdict == FloatingVerdict::Floating)
        setObservedFloating(1);
}

// With the automatic floating judgement off the value is only stored; the
// caption, the box and the candidates follow at the next update.
void CKestrelDlg::setObservedFloating(std::int32_t value)
{
    state_.observedFloating = value;
    if (settings_.config.AUTOJUDG_FLY == 0)
        return;
    controls_.setChecked(id::kFloatingBox, true);
    updateObservationLabels();
    refresh();
}

void CKestrelDlg::applyFamilyExclusion(std::int32_t family)
{
    if (family < 1 || family > kFamilyCount)
        return;
    state_.familyExcluded[family] = 1;
    controls_.setChecked(id::kConfirmBox, false);
    controls_.setChecked(id::kExcludeBox, true);
    updateObservationLabels();
    refresh();
}

void CKestrelDlg::applyFamilyConfirmation(std::int32_t family)
{
    if (family < 1 || family > kFamilyCount)
        return;
    state_.familyConfirmed = family;
    controls_.setChecked(id::kExcludeBox, false);
    controls_.setChecked(id::kConfirmBox, true);
    updateObservationLabels();
    refresh();
}

}  // namespace kestrel::ui

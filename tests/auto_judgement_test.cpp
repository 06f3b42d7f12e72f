// The family and floating auto-judgement on numbers alone.

#include "engine/auto_judgement.h"
#include "support/monster_files.h"
#include "ui/main_window.h"
#include "ui/main_window_ids.h"
#include "ui/memory_controls.h"
#include "ui/texts.h"

#include <gtest/gtest.h>

#include <memory>

using namespace kestrel;

namespace {

constexpr std::int32_t kBeast = 0;  // the spear's target, 獣
const JudgementThresholds kDefaults;

SkillDamage special(std::int32_t nLow, std::int32_t nHigh, std::int32_t sLow, std::int32_t sHigh)
{
    SkillDamage d;
    d.normalLow = nLow, d.normalHigh = nHigh, d.specialLow = sLow, d.specialHigh = sHigh;
    return d;
}

SkillDamage moonsault(std::int32_t nLow, std::int32_t nHigh, std::int32_t mLow, std::int32_t mHigh)
{
    SkillDamage d;
    d.normalLow = nLow, d.normalHigh = nHigh, d.moonsaultLow = mLow, d.moonsaultHigh = mHigh;
    return d;
}

FamilyVerdict family(const SkillDamage& d, std::int32_t bonus = 0)
{
    const FamilyJudgement j = judgeFamily(d, bonus, kBeast, kDefaults);
    EXPECT_TRUE(j.ratio.shown);
    return j.verdict;
}

FloatingVerdict floating(const SkillDamage& d, bool element = false)
{
    const FloatingJudgement j = judgeFloating(d, 0, element, kDefaults);
    EXPECT_TRUE(j.ratio.shown);
    return j.verdict;
}

}  // namespace

TEST(AutoJudgement, FamilyVerdictsTestExclusionFirst)
{
    const FamilyJudgement low = judgeFamily(special(100, 120, 110, 130), 0, kBeast, kDefaults);
    EXPECT_EQ(low.ratio.rMin, 110.0f / 120.0f);  // single precision
    EXPECT_EQ(low.ratio.rMax, 1.30f);
    EXPECT_EQ(low.verdict, FamilyVerdict::Excluded);  // even though 1.30 reaches 1.20

    const FamilyJudgement high = judgeFamily(special(100, 120, 150, 180), 0, kBeast, kDefaults);
    EXPECT_EQ(high.ratio.rMin, 1.25f);
    EXPECT_EQ(high.ratio.rMax, 1.80f);
    EXPECT_EQ(high.verdict, FamilyVerdict::Confirmed);

    EXPECT_EQ(family(special(100, 120, 121, 125)), FamilyVerdict::Confirmed);  // 1.01 ~ 1.25
    EXPECT_EQ(family(special(100, 105, 110, 115)), FamilyVerdict::Undecided);  // 1.05 ~ 1.15
    // The thresholds themselves decide: 1.00 excludes, 1.20 confirms.
    EXPECT_EQ(family(special(100, 120, 120, 130)), FamilyVerdict::Excluded);
    EXPECT_EQ(family(special(100, 100, 110, 120)), FamilyVerdict::Confirmed);
}

TEST(AutoJudgement, SkillBonusIsTakenOffTheSkillDamageOnly)
{
    const FamilyJudgement j = judgeFamily(special(100, 120, 130, 150), 20, kBeast, kDefaults);
    EXPECT_EQ(j.ratio.rMin, 110.0f / 120.0f);
    EXPECT_EQ(j.ratio.rMax, 1.30f);
    EXPECT_EQ(j.verdict, FamilyVerdict::Excluded);

    const SkillDamage d = withoutSkillBonus({100, 120, 10, 150, 30, 40}, 20);
    EXPECT_EQ(d.normalLow, 100);  // normal damage as typed
    EXPECT_EQ(d.specialLow, 0);   // floored, so the row shows nothing
    EXPECT_EQ(d.moonsaultHigh, 20);
    EXPECT_FALSE(judgeFamily({100, 120, 10, 15, 0, 0}, 20, kBeast, kDefaults).ratio.shown);
    EXPECT_EQ(withoutSkillBonus({1, 1, INT32_MAX, INT32_MAX, 0, 0}, 9999).specialHigh, INT32_MAX - 9999);
}

TEST(AutoJudgement, RatiosOutsideTheWindowOrMissingDamageShowNothing)
{
    EXPECT_FALSE(skillRatio(40, 50, 100, 120).shown);   // 0.33
    EXPECT_FALSE(skillRatio(60, 70, 100, 120).shown);   // exactly 0.5
    EXPECT_TRUE(skillRatio(100, 500, 100, 100).shown);  // exactly 5.0
    EXPECT_FALSE(skillRatio(100, 501, 100, 100).shown);
    EXPECT_FALSE(skillRatio(110, 130, 0, 120).shown);  // an empty normal edit
    EXPECT_FALSE(skillRatio(110, 130, 100, 0).shown);
    EXPECT_FALSE(skillRatio(0, 130, 100, 120).shown);  // one empty skill edit
    EXPECT_FALSE(skillRatio(-110, -130, -100, -120).shown);
    EXPECT_FALSE(judgeFloating(special(0, 0, 110, 130), 0, false, kDefaults).ratio.shown);
}

TEST(AutoJudgement, WeaponWithoutTargetGivesNoFamilyVerdict)
{
    for (std::int32_t target : {-1, 14, 15}) {
        const FamilyJudgement j = judgeFamily(special(100, 120, 110, 130), 0, target, kDefaults);
        EXPECT_TRUE(j.ratio.shown);
        EXPECT_EQ(j.verdict, FamilyVerdict::NoTarget);
    }
}

TEST(AutoJudgement, FloatingVerdictsTestNotFloatingFirst)
{
    EXPECT_EQ(floating(moonsault(100, 120, 80, 90)), FloatingVerdict::WindResistant);  // 0.67
    EXPECT_EQ(floating(moonsault(100, 120, 150, 170)), FloatingVerdict::NotFloating);  // 1.25 ~ 1.70
    EXPECT_EQ(floating(moonsault(100, 110, 170, 190)), FloatingVerdict::Floating);     // 1.55 ~ 1.90
    EXPECT_EQ(floating(moonsault(100, 105, 140, 150)), FloatingVerdict::Undecided);    // 1.33 ~ 1.50
    // With エ confirmed the lower thresholds apply.
    EXPECT_EQ(floating(moonsault(100, 110, 115, 135), true), FloatingVerdict::NotFloating);  // 1.05
    EXPECT_EQ(floating(moonsault(100, 110, 130, 150), false), FloatingVerdict::NotFloating);
    EXPECT_EQ(floating(moonsault(100, 110, 130, 150), true), FloatingVerdict::Floating);
    EXPECT_EQ(floating(moonsault(100, 110, 95, 125), true), FloatingVerdict::WindResistant);
}

// The verdicts as the window shows and applies them, after typed damage.
namespace {

using namespace kestrel::ui;

struct Window {
    kestrel::testing::TempDir dir;
    MemoryControls controls;
    std::unique_ptr<CKestrelDlg> dialog;

    explicit Window(const std::string& weapon = "WEAPON=3\r\n")
    {
        const std::string ini = dir.write("k.ini", "[SETTING]\r\nINFORMATIONFLAG=5F\r\nMONSTERFILE=" +
                                                       kestrel::testing::sampleFilePath() + "\r\n[USER0]\r\n" + weapon);
        dialog = std::make_unique<CKestrelDlg>(controls, ini);
        dialog->OnInitDialog();
        controls.flushPostedFocus();
    }
    void type(int low, const char* lowText, int high, const char* highText)
    {
        controls.type(low, lowText);
        controls.type(high, highText);
    }
    std::int32_t field(const std::string& name) const { return dialog->stateField(name).value_or(-99); }
};

}  // namespace

TEST(AutoJudgementWindow, ExclusionKeepsEveryButtonShowingItsFlag)
{
    Window w;
    w.controls.click(id::kExcludeRow[1]);  // 鳥, by hand
    w.type(id::kDealtLow, "100", id::kDealtHigh, "120");
    w.type(id::kSpecialLow, "110", id::kSpecialHigh, "130");
    EXPECT_EQ(w.controls.text(id::kSpecialVerdict), sjis("除外 → [獣]"));
    EXPECT_EQ(w.field("familyExcluded1"), 1);
    EXPECT_EQ(w.field("familyExcluded2"), 1);
    for (int k = 0; k < kestrel::kFamilyCount; ++k)
        EXPECT_EQ(w.controls.checked(id::kExcludeRow[k]), k <= 1) << k;
    EXPECT_TRUE(w.controls.checked(id::kExcludeBox));
}

TEST(AutoJudgementWindow, WeaponOutsideTheTableJudgesNoFamily)
{
    for (const char* weapon : {"WEAPON=15\r\n", "WEAPON=16\r\n"}) {
        Window w(weapon);
        w.type(id::kDealtLow, "100", id::kDealtHigh, "120");
        w.type(id::kSpecialLow, "110", id::kSpecialHigh, "130");
        w.type(id::kMoonsaultLow, "170", id::kMoonsaultHigh, "190");
        EXPECT_EQ(w.controls.text(1082), "0.92");
        EXPECT_EQ(w.controls.text(id::kSpecialVerdict), "");
        EXPECT_EQ(w.field("familyExcluded1"), 0);
        EXPECT_FALSE(w.controls.checked(id::kExcludeBox));
        EXPECT_EQ(w.controls.text(id::kMoonsaultVerdict), sjis("浮いている"));  // 1.42 ~ 1.90
    }
}

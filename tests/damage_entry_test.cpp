// The damage and HP/MP edits of the main window on the in-memory controls.

#include "support/monster_files.h"
#include "ui/main_window.h"
#include "ui/main_window_ids.h"
#include "ui/memory_controls.h"
#include "ui/texts.h"

#include <gtest/gtest.h>

#include <memory>

using namespace kestrel::ui;

namespace {

// A window with every information message acknowledged and a profile of
// attack 300 and defense 100.
struct Window {
    kestrel::testing::TempDir dir;
    MemoryControls controls;
    std::unique_ptr<CKestrelDlg> dialog;

    Window()
    {
        const std::string ini = dir.write("k.ini", "[SETTING]\r\nINFORMATIONFLAG=5F\r\nMONSTERFILE=" +
                                                       kestrel::testing::sampleFilePath() +
                                                       "\r\n[USER0]\r\nATACK=300\r\nDEFENSE=100\r\n");
        dialog = std::make_unique<CKestrelDlg>(controls, ini);
        dialog->OnInitDialog();
        controls.flushPostedFocus();
    }
    std::string pair(int low, int high) const { return controls.text(low) + "~" + controls.text(high); }
    const kestrel::ObservationState& state() const { return dialog->state(); }
    std::string attackShown() const
    {
        return controls.text(id::kAttackRange[0]) + controls.text(id::kAttackRange[1]) +
               controls.text(id::kAttackRange[2]);
    }
};

}  // namespace

TEST(DamageEntry, LowValueFollowsTheHighValueUntilTyped)
{
    Window w;
    w.controls.type(id::kDealtHigh, "30");
    EXPECT_EQ(w.pair(id::kDealtLow, id::kDealtHigh), "30~30");
    EXPECT_EQ(w.state().dealtLowTyped, 0);
    EXPECT_TRUE(w.controls.checked(id::kDealtBox));
    w.controls.type(id::kDealtLow, "25");
    EXPECT_EQ(w.state().dealtLowTyped, 1);
    EXPECT_EQ(w.pair(id::kDealtLow, id::kDealtHigh), "25~30");
    w.controls.type(id::kDealtLow, "40");  // the high value is lifted
    EXPECT_EQ(w.pair(id::kDealtLow, id::kDealtHigh), "40~40");
    w.controls.type(id::kDealtHigh, "45");  // and no longer pulls the low value along
    EXPECT_EQ(w.pair(id::kDealtLow, id::kDealtHigh), "40~45");
}

TEST(DamageEntry, KeypadKeysWidenThePair)
{
    Window w;
    w.controls.type(id::kDealtLow, "30");
    w.controls.type(id::kDealtHigh, "32");
    w.controls.key(id::kDealtLow, '+');
    EXPECT_EQ(w.pair(id::kDealtLow, id::kDealtHigh), "30~33");
    EXPECT_EQ(w.controls.focus(), id::kDealtHigh);
    w.controls.key(id::kDealtHigh, '-');
    EXPECT_EQ(w.pair(id::kDealtLow, id::kDealtHigh), "29~33");
    EXPECT_EQ(w.controls.focus(), id::kDealtLow);
    w.controls.key(id::kDealtLow, '*');
    EXPECT_EQ(w.pair(id::kDealtLow, id::kDealtHigh), "29~35");
    w.controls.key(id::kDealtHigh, '/');
    EXPECT_EQ(w.pair(id::kDealtLow, id::kDealtHigh), "27~35");

    // The key replacing the selected value applies to the value it replaced.
    w.controls.type(id::kTakenHigh, "32");
    w.controls.type(id::kTakenHigh, "+");
    EXPECT_EQ(w.pair(id::kTakenLow, id::kTakenHigh), "32~33");
    EXPECT_EQ(w.state().takenLowTyped, 1);

    // A low value never steps below 0; the sign of a written "-2" is itself a step.
    w.controls.type(id::kSpecialLow, "0");
    w.controls.key(id::kSpecialLow, '-');
    EXPECT_EQ(w.controls.text(id::kSpecialLow), "0");
    w.controls.key(id::kSpecialLow, '/');
    EXPECT_EQ(w.controls.text(id::kSpecialLow), "1");

    // Values at the limit of 32 bits stay there, ranges and all.
    w.controls.type(id::kDealtHigh, "99999999999");
    w.controls.key(id::kDealtHigh, '*');
    EXPECT_EQ(w.controls.text(id::kDealtHigh), "2147483647");
    w.controls.type(id::kTakenLow, "2147483647");
    w.controls.key(id::kTakenLow, '*');
    EXPECT_EQ(w.pair(id::kTakenLow, id::kTakenHigh), "2147483647~2147483647");
}

TEST(DamageEntry, DebugCommandInTheDealtLowEdit)
{
    Window w;
    w.controls.type(id::kDealtLow, "d8");
    EXPECT_EQ(w.state().dealtLowTyped, 0);
    EXPECT_EQ(w.dialog->settings().debugLevel, 8);
    EXPECT_EQ(w.controls.text(id::kDealtLow), "");
    EXPECT_NE(w.controls.title().find("[DebugMode8]"), std::string::npos);
    for (const char* ordinary : {"d", "d10"}) {
        w.controls.type(id::kDealtLow, ordinary);
        EXPECT_EQ(w.controls.text(id::kDealtLow), ordinary);
        EXPECT_EQ(w.dialog->settings().debugLevel, 8);
    }
}

TEST(DamageEntry, ReceivedDamageNarrowsTheAttackRange)
{
    Window w;
    w.controls.type(id::kTakenLow, "20");
    EXPECT_EQ(w.controls.text(id::kAttackRange[0]), "82");
    EXPECT_EQ(w.controls.text(id::kAttackRange[1]), kestrel::ui::sjis("～"));
    EXPECT_EQ(w.controls.text(id::kAttackRange[2]), "98");
    EXPECT_TRUE(w.controls.checked(id::kTakenBox));

    w.controls.type(id::kTakenLow, "40");  // a jump restarts from the new value
    EXPECT_EQ(w.attackShown(), "118" + kestrel::ui::sjis("～") + "142");
    w.controls.type(id::kTakenHigh, "42");  // restarts from the pair 40 ~ 42
    EXPECT_EQ(w.attackShown(), "122" + kestrel::ui::sjis("～") + "142");
    w.controls.key(id::kTakenHigh, '+');  // a step intersects with what was known
    EXPECT_EQ(w.attackShown(), "124" + kestrel::ui::sjis("～") + "142");

    w.controls.type(id::kTakenLow, "");
    EXPECT_EQ(w.state().lastAttackLow, -1);
    EXPECT_EQ(w.state().lastAttackHigh, -1);
    EXPECT_FALSE(w.controls.checked(id::kTakenBox));

    w.controls.type(id::kDealtLow, "5");
    EXPECT_NE(w.state().lastBonusDefenseHigh, -1);
    w.controls.type(id::kDealtLow, "");
    EXPECT_EQ(w.state().lastDefenseLow, -1);
    EXPECT_EQ(w.state().lastBonusDefenseHigh, -1);
    EXPECT_FALSE(w.controls.checked(id::kDealtBox));
}

TEST(DamageEntry, HpAndMpLimits)
{
    Window w;
    w.controls.type(id::kHpAtLeastEdit, "50");
    EXPECT_EQ(w.state().hpAtLeast, 50);
    EXPECT_TRUE(w.controls.checked(id::kHpAtLeastBox));
    w.controls.type(id::kHpAtLeastEdit, "0");
    EXPECT_EQ(w.state().hpAtLeast, 50);
    w.controls.type(id::kHpAtLeastEdit, "");
    EXPECT_EQ(w.state().hpAtLeast, -1);
    EXPECT_TRUE(w.controls.checked(id::kHpAtLeastBox));
}

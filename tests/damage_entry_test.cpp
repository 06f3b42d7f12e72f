// The damage edits of the main window where the user stories do not reach:
// values at the limit of a number edit and how received damage narrows the
// attack range.

#include "support/monster_files.h"
#include "ui/main_window/window.h"
#include "ui/ids.h"
#include "ui/memory_controls.h"
#include "ui/texts/texts.h"

#include <gtest/gtest.h>

using namespace kestrel::ui;

namespace {

// A window with every information message acknowledged and a profile of
// attack 300 and defense 100.
struct Window {
    kestrel::testing::TempDir dir;
    MemoryControls c;
    CKestrelDlg dialog;
    Window()
        : dialog(c, dir.write("k.ini",
                              "[SETTING]\r\nINFORMATIONFLAG=5F\r\nMONSTERFILE=" + kestrel::testing::sampleFilePath() +
                                  "\r\n[USER0]\r\nATACK=300\r\nDEFENSE=100\r\n"))
    {
        dialog.OnInitDialog();
    }
    std::string pair(int low, int high) const { return c.text(low) + "~" + c.text(high); }
    std::string attackShown() const
    {
        return c.text(id::kAttackRange[0]) + c.text(id::kAttackRange[1]) + c.text(id::kAttackRange[2]);
    }
};

}  // namespace

// A number edit holds six digits however many are typed, in full width or
// not, and a keypad step stays within them: the ranges never wrap negative.
TEST(DamageEntry, ValuesAtTheLimitOfANumberEditStayThere)
{
    Window w;
    w.c.type(id::kDealtHigh, "99999999999999999999");
    w.c.key(id::kDealtHigh, '*');
    EXPECT_EQ(w.c.text(id::kDealtHigh), "999999");
    w.c.type(id::kTakenLow, sjis("２１４７４８３６４７"));
    w.c.key(id::kTakenLow, '*');
    EXPECT_EQ(w.pair(id::kTakenLow, id::kTakenHigh), "214748~214750");
    EXPECT_EQ(w.attackShown(), "375862" + sjis("～") + "483234");
}

TEST(DamageEntry, ReceivedDamageRestartsOrNarrowsTheAttackRange)
{
    Window w;
    const std::string tilde = sjis("～");
    w.c.type(id::kTakenLow, "20");
    EXPECT_EQ(w.attackShown(), "82" + tilde + "98");
    w.c.type(id::kTakenLow, "40");  // a jump restarts from the new value
    EXPECT_EQ(w.attackShown(), "118" + tilde + "142");
    w.c.type(id::kTakenHigh, "42");  // restarts from the pair 40 ~ 42
    EXPECT_EQ(w.attackShown(), "122" + tilde + "142");
    w.c.key(id::kTakenHigh, '+');  // a step intersects with what was known
    EXPECT_EQ(w.attackShown(), "124" + tilde + "142");
}

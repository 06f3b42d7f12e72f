// Two copies of the program on one settings file: each writes back only what it
// changed itself, so neither overwrites what the other saved meanwhile.

#include "settings/settings_file.h"
#include "support/monster_files.h"
#include "ui/ids.h"
#include "ui/main_window/window.h"
#include "ui/memory_controls.h"

#include <gtest/gtest.h>

using kestrel::testing::TempDir;
using namespace kestrel::ui;

TEST(SharedSettings, EachCopyWritesBackOnlyItsOwnChanges)
{
    TempDir dir;
    const std::string ini = dir.write("k.ini",
                                      "[SETTING]\r\nINFORMATIONFLAG=5F\r\nSORT=0\r\n[USER0]\r\nATACK=200\r\n"
                                      "DEFENSE=150\r\nWEIGHT=500\r\nUSERNAME=A\r\n");
    MemoryControls a, b;
    auto copyA = std::make_unique<CKestrelDlg>(a, ini);
    auto copyB = std::make_unique<CKestrelDlg>(b, ini);
    copyA->OnInitDialog();
    copyB->OnInitDialog();

    // A sets 攻 333 and saves; B, which still holds 200, changes its sort.
    a.queueDialog(DialogScript{true, {{1005, "333"}}, {}});
    EXPECT_TRUE(a.click(id::kChangeUser));
    EXPECT_EQ(kestrel::loadSettings(ini).profiles[0].ATACK, 333);
    EXPECT_TRUE(b.click(id::kSortRadios[2]));
    EXPECT_EQ(copyB->settings().profiles[0].ATACK, 200);
    copyB.reset();  // closing saves
    const kestrel::Settings afterB = kestrel::loadSettings(ini);
    EXPECT_EQ(afterB.profiles[0].ATACK, 333);
    EXPECT_EQ(afterB.sortKey, 2);

    // A closes last and keeps B's sort: A never changed it.
    copyA.reset();
    const kestrel::Settings afterA = kestrel::loadSettings(ini);
    EXPECT_EQ(afterA.profiles[0].ATACK, 333);
    EXPECT_EQ(afterA.sortKey, 2);
    EXPECT_EQ(afterA.profiles[0].DEFENSE, 150);
}

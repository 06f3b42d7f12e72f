// The main window's logic on the in-memory controls: the faults it mends.

#include "support/monster_files.h"
#include "ui/list_view.h"
#include "ui/main_window/window.h"
#include "ui/main_window/ids.h"
#include "ui/memory_controls.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

using kestrel::testing::TempDir;
using namespace kestrel::ui;

namespace {

struct Window {
    MemoryControls controls;
    std::unique_ptr<CKestrelDlg> dialog;

    explicit Window(const std::string& settingsPath)
        : dialog(std::make_unique<CKestrelDlg>(controls, settingsPath))
    {
        dialog->OnInitDialog();
        controls.flushPostedFocus();
    }
};

}  // namespace

TEST(MainWindow, LayoutOutsideTheTablesShowsTheDamageLayout)
{
    TempDir dir;
    const std::string ini = dir.write("k.ini", "[SETTING]\r\nSELECTLIST=4\r\nMONSTERFILE=" +
                                                   kestrel::testing::sampleFilePath() + "\r\n");
    Window w(ini);
    EXPECT_TRUE(w.controls.checked(id::kLayoutRadios[3]));
    ASSERT_EQ(w.controls.columns(kIdList).size(), 15u);
    ASSERT_FALSE(w.controls.rows(kIdList).empty());
    EXPECT_EQ(w.controls.rows(kIdList)[0].size(), 15u);
    EXPECT_EQ(w.controls.focus(), id::kDealtLow);
}

TEST(MainWindow, WeaponOutsideTheTableShowsNoWeapon)
{
    TempDir dir;
    Window w(dir.write("k.ini", "[SETTING]\r\nUSERSEL=2\r\n[USER2]\r\nWEAPON=16\r\nATACK=300\r\nDEFENSE=200\r\n"));
    EXPECT_EQ(w.controls.text(id::kWeaponName), "");
    EXPECT_EQ(w.controls.text(id::kSpecialName), "");
    EXPECT_EQ(w.controls.text(id::kUserNo), "3");
    w.controls.type(id::kUserNo, "1");  // profile 0 carries a weapon again
    EXPECT_NE(w.controls.text(id::kWeaponName), "");
}

TEST(MainWindow, FailedSettingsWriteIsToldOnce)
{
    TempDir dir;
    const std::string blocker = dir.write("not-a-folder", "x");
    Window w(blocker + "/kestrel.ini");  // the settings file can never be written
    w.controls.click(id::kClassRadios[1]);
    w.controls.click(id::kClassRadios[2]);
    EXPECT_EQ(w.controls.notices().size(), 1u);

    const std::string ini = dir.path() + "/kestrel.ini";
    Window ok(ini);
    ok.controls.click(id::kClassRadios[2]);
    EXPECT_TRUE(ok.controls.notices().empty());
    EXPECT_TRUE(std::filesystem::exists(ini));
}

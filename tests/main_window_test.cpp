// The main window's logic on the in-memory controls: the faults it mends.

#include "support/monster_files.h"
#include "ui/list/list_view.h"
#include "ui/main_window/window.h"
#include "ui/ids.h"
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

    explicit Window(const std::string& settingsPath) : dialog(std::make_unique<CKestrelDlg>(controls, settingsPath))
    {
        dialog->OnInitDialog();
        controls.flushPostedFocus();
    }
};

}  // namespace

TEST(MainWindow, LayoutOutsideTheTablesShowsTheDamageLayout)
{
    TempDir dir;
    const std::string ini =
        dir.write("k.ini", "[SETTING]\r\nSELECTLIST=4\r\nMONSTERFILE=" + kestrel::testing::sampleFilePath() + "\r\n");
    Window w(ini);
    EXPECT_TRUE(w.controls.checked(id::kLayoutRadios[3]));
    ASSERT_EQ(w.controls.columns(kIdList).size(), 17u);
    ASSERT_FALSE(w.controls.rows(kIdList).empty());
    EXPECT_EQ(w.controls.rows(kIdList)[0].size(), 17u);
    EXPECT_EQ(w.controls.focus(), id::kDealtLow);
}

TEST(MainWindow, PathShowsTheFileNameWhoseTrailByteIsABackslash)
{
    TempDir dir;  // ソ ends in 0x5C, a backslash when read byte by byte
    Window w(dir.write("k.ini", "[SETTING]\r\nMONSTERFILE=C:\\x\\\x83\x5C\x83\x5C.csv\r\n"));
    EXPECT_EQ(w.controls.text(id::kPath), "\x83\x5C\x83\x5C.csv");
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

// The list's column widths and the window's place are kept for the next run
// (which the start-up test on real widgets plays): per layout, only once
// changed, remembered widths that no longer fit a layout's columns left aside.
TEST(MainWindow, ColumnWidthsAndWindowPlaceOutliveTheRun)
{
    TempDir dir;
    const std::string ini = dir.write("k.ini", "[SETTING]\r\nINFORMATIONFLAG=5F\r\nSELECTLIST=1\r\nMONSTERFILE=" +
                                                   kestrel::testing::sampleFilePath() +
                                                   "\r\n[KESTREL]\r\nWINDOW=40,50,900,700\r\nCOLUMNS_0=1,2,3\r\n");
    {
        Window w(ini);
        EXPECT_EQ(w.controls.windowRect(), (WindowRect{40, 50, 900, 700}));
        ASSERT_TRUE(w.controls.resizeColumn(kIdList, 2, 500));  // 場所
        w.controls.click(id::kLayoutRadios[0]);                 // three widths for eight columns: its own
        EXPECT_EQ(w.controls.columns(kIdList)[0].width, columnsOf(0)[0].width);
        w.controls.click(id::kLayoutRadios[1]);
        EXPECT_EQ(w.controls.columns(kIdList)[2].width, 500);
        w.controls.setWindowRect({-5, 0, 1200, 800});
    }
    const kestrel::Settings saved = kestrel::loadSettings(ini);
    EXPECT_EQ(saved.window, (kestrel::WindowGeometry{-5, 0, 1200, 800}));
    const auto own = columnsOf(1);
    EXPECT_EQ(saved.columnWidths[1], (std::vector<std::int32_t>{own[0].width, own[1].width, 500}));
    EXPECT_TRUE(saved.columnWidths[0].empty());
}

// Widths kept before the damage layout had its two picture columns still fit
// its fifteen text columns; the pictures take their own, and all seventeen are
// kept from then on.
TEST(MainWindow, DamageWidthsOfFifteenColumnsStayWithThePicturesAtTheirOwn)
{
    TempDir dir;
    std::string widths;
    for (int i = 1; i <= 15; ++i)
        widths += (i > 1 ? "," : "") + std::to_string(10 + i);
    const std::string ini =
        dir.write("k.ini", "[SETTING]\r\nINFORMATIONFLAG=5F\r\nSELECTLIST=3\r\nMONSTERFILE=" +
                               kestrel::testing::sampleFilePath() + "\r\n[KESTREL]\r\nCOLUMNS_3=" + widths + "\r\n");
    {
        Window w(ini);
        const auto& columns = w.controls.columns(kIdList);
        ASSERT_EQ(columns.size(), 17u);
        EXPECT_EQ(columns[0].width, 11);
        EXPECT_EQ(columns[14].width, 25);
        EXPECT_EQ(columns[15].width, columnsOf(3)[15].width);
        EXPECT_EQ(columns[16].width, columnsOf(3)[16].width);
    }
    const auto saved = kestrel::loadSettings(ini).columnWidths[3];
    ASSERT_EQ(saved.size(), 17u);
    EXPECT_EQ(saved[14], 25);
    EXPECT_EQ(saved[16], columnsOf(3)[16].width);
}

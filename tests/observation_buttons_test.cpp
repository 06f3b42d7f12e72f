// The observation value buttons and the family rows on the in-memory window.

#include "support/monster_files.h"
#include "ui/main_window.h"
#include "ui/main_window_ids.h"
#include "ui/memory_controls.h"
#include "ui/texts.h"

#include <gtest/gtest.h>

#include <memory>

using namespace kestrel::ui;

namespace {

struct Window {
    kestrel::testing::TempDir dir;
    MemoryControls controls;
    std::unique_ptr<CKestrelDlg> dialog;

    explicit Window(const std::string& setting = "")
    {
        const std::string ini = dir.write("k.ini", "[SETTING]\r\nINFORMATIONFLAG=5F\r\n" + setting + "MONSTERFILE=" +
                                                       kestrel::testing::sampleFilePath() + "\r\n[USER0]\r\nWEIGHT=400\r\n");
        dialog = std::make_unique<CKestrelDlg>(controls, ini);
        dialog->OnInitDialog();
        controls.flushPostedFocus();
    }
    std::int32_t field(const char* name) const { return dialog->stateField(name).value_or(-99); }
};

}  // namespace

TEST(ObservationButtons, ValueButtonsStepTheirFact)
{
    Window w;
    for (const char* expected : {"押せない", "押せた", "押せない"}) {
        w.controls.click(id::kPushButton);
        EXPECT_EQ(w.controls.text(id::kPushButton), sjis(expected));
        EXPECT_TRUE(w.controls.checked(id::kPushBox));
    }
    for (const char* expected : {"怒った", "怒らない", "不明"}) {
        w.controls.click(id::kAngerButton);
        EXPECT_EQ(w.controls.text(id::kAngerButton), sjis(expected));
    }
    EXPECT_TRUE(w.controls.checked(id::kAngerBox));

    // With the automatic floating judgement off the button only stores its value.
    Window off("AUTOJUDG_FLY=0\r\n");
    off.controls.click(id::kFloatingButton);
    EXPECT_EQ(off.field("observedFloating"), 1);
    EXPECT_EQ(off.controls.text(id::kFloatingButton), sjis("不明"));
    EXPECT_FALSE(off.controls.checked(id::kFloatingBox));
}

TEST(ObservationButtons, FamilyRows)
{
    Window w;
    const int beast = 0, bird = 1, dragon = 12;
    w.controls.click(id::kExcludeRow[dragon]);
    w.controls.click(id::kConfirmRow[beast]);
    w.controls.click(id::kConfirmRow[dragon]);
    EXPECT_EQ(w.field("familyConfirmed"), 13);
    EXPECT_FALSE(w.controls.checked(id::kConfirmRow[beast]));
    EXPECT_TRUE(w.controls.checked(id::kConfirmBox));
    EXPECT_FALSE(w.controls.checked(id::kExcludeBox));

    w.controls.click(id::kExcludeRow[beast]);
    w.controls.click(id::kExcludeRow[bird]);
    w.controls.click(id::kExcludeRow[beast]);
    EXPECT_EQ(w.field("familyExcluded1"), 0);
    EXPECT_EQ(w.field("familyExcluded2"), 1);
    EXPECT_EQ(w.field("familyExcluded13"), 1);  // pressed before, kept
    EXPECT_FALSE(w.controls.checked(id::kConfirmBox));
    EXPECT_TRUE(w.controls.checked(id::kExcludeBox));
}

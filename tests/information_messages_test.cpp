// One-time information messages: which boxes start-up shows, what answering
// them changes, and what reaches the settings file.

#include "platform/ini_file.h"
#include "support/monster_files.h"
#include "ui/information_messages.h"
#include "ui/main_window.h"
#include "ui/main_window_ids.h"
#include "ui/memory_controls.h"
#include "ui/texts.h"

#include <gtest/gtest.h>

#include <memory>

using kestrel::testing::TempDir;
using namespace kestrel::ui;

namespace {

// Starts a window on the settings file; the answers are queued before start-up.
struct Window {
    MemoryControls& controls;
    std::unique_ptr<CKestrelDlg> dialog;

    Window(MemoryControls& c, const std::string& settingsPath) : controls(c)
    {
        dialog = std::make_unique<CKestrelDlg>(controls, settingsPath);
        dialog->OnInitDialog();
        controls.flushPostedFocus();
    }
};

// A window system whose message boxes are all closed without acknowledging.
class DismissingControls : public MemoryControls {
public:
    MessageAnswer messageBox(std::string_view text, std::string_view caption, MessageButtons buttons,
                             kestrel::MessageIcon icon) override
    {
        MemoryControls::messageBox(text, caption, buttons, icon);
        return MessageAnswer::Cancel;
    }
};

std::string iniValue(const std::string& path, const char* key)
{
    const auto bytes = kestrel::readWholeFile(path);
    return kestrel::IniFile::parse(bytes.value_or("")).valueOr("SETTING", key, "(missing)");
}

bool contains(const std::string& text, const char* utf8Piece)
{
    return text.find(sjis(utf8Piece)) != std::string::npos;
}

}  // namespace

TEST(InformationMessages, TextsHoldTheirPieces)
{
    EXPECT_TRUE(contains(informationText(0), "正確な値は攻略本待ちになります。"));
    EXPECT_TRUE(contains(informationText(1), "攻撃力： 70%～100%\n\n守備力： 50%～100%"));
    EXPECT_TRUE(contains(informationText(2), "[ Information Message Reset ] ボタンを押してください\n"));
    EXPECT_TRUE(contains(informationText(3), "・自分/敵共に、重さ関連の特技/呪文を使ったあとではないか？\n"));
    EXPECT_TRUE(contains(informationText(4), "・一方、<呪文：マホトラ> は自MPが満タンでも吸うことができます\n\n"));
    EXPECT_TRUE(contains(informationText(6), "チョイスしたつもり･･･\n\n"));
    for (int unused : {-1, 5, 7, 64})
        EXPECT_EQ(informationText(unused), "") << unused;

    // The size notice names the big monsters on sixteen indented lines and a
    // blank one.
    const std::string size = informationText(6);
    const std::size_t first = size.find("\n\n") + 2;
    const std::size_t end = size.find(sjis("　　以上の敵"));
    ASSERT_LT(first, end);
    int lines = 0;
    for (std::size_t at = first; at < end - 1; at = size.find('\n', at) + 1) {
        EXPECT_EQ(size.compare(at, 4, sjis("　　")), 0) << at;
        ++lines;
    }
    EXPECT_EQ(lines, 16);
    EXPECT_EQ(size.substr(end - 2, 2), "\n\n");
}

TEST(InformationMessages, FirstStartShowsTheNoticesAndStoresThreeBits)
{
    TempDir dir;
    const std::string ini = dir.path() + "/k.ini";
    {
        MemoryControls controls;
        Window w(controls, ini);
        auto& shown = controls.shownMessages();
        ASSERT_EQ(shown.size(), 2u);  // the tolerances already are the recommended ones
        EXPECT_EQ(shown[0].text, informationText(0));
        EXPECT_EQ(shown[1].text, informationText(2));
        for (const ShownMessage& box : shown) {
            EXPECT_EQ(box.caption, "INFORMATION");
            EXPECT_EQ(box.buttons, MessageButtons::Ok);
            EXPECT_EQ(box.icon, kestrel::MessageIcon::Information);
        }
        EXPECT_EQ(iniValue(ini, "INFORMATIONFLAG"), "7");
    }
    MemoryControls again;
    Window w(again, ini);
    EXPECT_TRUE(again.shownMessages().empty());
}

TEST(InformationMessages, NoticeClosedWithoutOkComesAgain)
{
    TempDir dir;
    const std::string ini = dir.path() + "/k.ini";
    {
        DismissingControls controls;
        Window w(controls, ini);
        EXPECT_EQ(controls.shownMessages().size(), 2u);
        EXPECT_EQ(w.dialog->settings().informationFlags, 2u);  // only the silent question
    }
    EXPECT_EQ(iniValue(ini, "INFORMATIONFLAG"), "2");
    MemoryControls again;
    Window w(again, ini);
    EXPECT_EQ(again.shownMessages().size(), 2u);
}

TEST(InformationMessages, ToleranceQuestionAnswers)
{
    const std::string file = "[SETTING]\r\nINFORMATIONFLAG=5\r\nPERM_ATK_L=60\r\nPERM_ATK_H=100\r\n"
                             "PERM_DEF_L=50\r\nPERM_DEF_H=100\r\n";
    struct Case {
        MessageAnswer answer;
        int attackLow;     // afterwards, in memory and in the file
        bool askedAgain;   // at the next start
    };
    for (const Case& c : {Case{MessageAnswer::Yes, 70, false}, Case{MessageAnswer::No, 60, false},
                          Case{MessageAnswer::Cancel, 60, true}}) {
        SCOPED_TRACE(static_cast<int>(c.answer));
        TempDir dir;
        const std::string ini = dir.write("k.ini", file);
        {
            MemoryControls controls;
            controls.queueAnswer(c.answer);
            Window w(controls, ini);
            ASSERT_EQ(controls.shownMessages().size(), 1u);
            const ShownMessage& box = controls.shownMessages()[0];
            EXPECT_EQ(box.text, informationText(1));
            EXPECT_EQ(box.caption, "INFORMATION");
            EXPECT_EQ(box.buttons, MessageButtons::YesNoCancel);
            EXPECT_EQ(box.icon, kestrel::MessageIcon::Question);
            const kestrel::Settings& s = w.dialog->settings();
            EXPECT_EQ(s.PERM_ATK_L, c.attackLow);
            EXPECT_EQ(s.PERM_ATK_H, 100);
            EXPECT_EQ(s.PERM_DEF_L, 50);
            EXPECT_EQ(s.PERM_DEF_H, 100);
            EXPECT_EQ(s.informationFlags, c.askedAgain ? 5u : 7u);
        }
        MemoryControls again;
        again.queueAnswer(MessageAnswer::Cancel);
        Window w(again, ini);
        EXPECT_EQ(again.shownMessages().size(), c.askedAgain ? 1u : 0u);
        EXPECT_EQ(w.dialog->settings().PERM_ATK_L, c.attackLow);
    }
}

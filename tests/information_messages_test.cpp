// One-time information messages: their texts, the kind of box each is shown
// in, and a notice closed without OK.

#include "platform/ini_file.h"
#include "support/monster_files.h"
#include "ui/information_messages.h"
#include "ui/main_window/window.h"
#include "ui/memory_controls.h"
#include "ui/texts.h"

#include <gtest/gtest.h>

using kestrel::testing::TempDir;
using namespace kestrel::ui;

namespace {

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

// Starts a window on the settings file and closes it again; the flags it kept.
std::uint64_t start(MemoryControls& controls, const std::string& settingsPath)
{
    CKestrelDlg window(controls, settingsPath);
    window.OnInitDialog();
    return window.settings().informationFlags;
}

bool contains(const std::string& text, const char* utf8) { return text.find(sjis(utf8)) != std::string::npos; }

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

    // The size notice names the big monsters on sixteen indented lines and a blank one.
    const std::string size = informationText(6);
    const std::size_t first = size.find("\n\n") + 2;
    const std::size_t end = size.find(sjis("　　以上の敵"));
    ASSERT_LT(first, end);
    int lines = 0;
    for (std::size_t at = first; at < end - 1; at = size.find('\n', at) + 1, ++lines)
        EXPECT_EQ(size.compare(at, 4, sjis("　　")), 0) << at;
    EXPECT_EQ(lines, 16);
    EXPECT_EQ(size.substr(end - 2, 2), "\n\n");
}

TEST(InformationMessages, NoticesAreOkBoxesAndTheToleranceQuestionAsks)
{
    TempDir dir;
    MemoryControls c;
    for (MessageAnswer a : {MessageAnswer::Ok, MessageAnswer::Cancel, MessageAnswer::Ok}) c.queueAnswer(a);
    EXPECT_EQ(start(c, dir.write("k.ini", "[SETTING]\r\nPERM_ATK_L=60\r\n")), 5u);  // the question cancelled
    ASSERT_EQ(c.shownMessages().size(), 3u);
    for (int m = 0; m < 3; ++m) {
        const ShownMessage& box = c.shownMessages()[m];
        EXPECT_EQ(box.text, informationText(m));
        EXPECT_EQ(box.caption, "INFORMATION");
        EXPECT_EQ(box.buttons, m == 1 ? MessageButtons::YesNoCancel : MessageButtons::Ok);
        EXPECT_EQ(box.icon, m == 1 ? kestrel::MessageIcon::Question : kestrel::MessageIcon::Information);
    }
}

TEST(InformationMessages, NoticeClosedWithoutOkComesAgain)
{
    TempDir dir;
    const std::string ini = dir.path() + "/k.ini";
    DismissingControls dismissing;
    EXPECT_EQ(start(dismissing, ini), 2u);  // only the silent question
    EXPECT_EQ(dismissing.shownMessages().size(), 2u);
    const auto bytes = kestrel::readWholeFile(ini);
    EXPECT_EQ(kestrel::IniFile::parse(bytes.value_or("")).valueOr("SETTING", "INFORMATIONFLAG", "-"), "2");
    MemoryControls again;
    EXPECT_EQ(start(again, ini), 7u);
    EXPECT_EQ(again.shownMessages().size(), 2u);
}

// One-time information messages: the kind of box each is shown in, and a
// notice closed without OK.

#include "platform/ini_file.h"
#include "support/monster_files.h"
#include "ui/texts/information_messages.h"
#include "ui/main_window/window.h"
#include "ui/memory_controls.h"

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

}  // namespace

TEST(InformationMessages, NoticesAreOkBoxesAndTheToleranceQuestionAsks)
{
    TempDir dir;
    MemoryControls c;
    for (MessageAnswer a : {MessageAnswer::Ok, MessageAnswer::Cancel, MessageAnswer::Ok})
        c.queueAnswer(a);
    EXPECT_EQ(start(c, dir.write("k.ini", "[SETTING]\r\nPERM_ATK_L=60\r\n")), 5u);  // the question cancelled
    ASSERT_EQ(c.shownMessages().size(), 3u);
    for (int m = 0; m < 3; ++m) {
        const ShownMessage& box = c.shownMessages()[m];
        EXPECT_EQ(box.text, informationText(m));
        EXPECT_EQ(box.caption, "INFORMATION");
        EXPECT_EQ(box.buttons, m == 1 ? MessageButtons::YesNoCancel : MessageButtons::Ok);
        EXPECT_EQ(box.icon, m == 1 ? kestrel::MessageIcon::Question : kestrel::MessageIcon::Information);
    }
    for (int unused : {-1, 5, 7, 64})
        EXPECT_EQ(informationText(unused), "") << unused;
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

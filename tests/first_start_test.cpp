// The first start: the one-time messages open over a finished window (labels,
// ranges, the list and its count as the player will use them), never over the
// template's placeholders.

#include "support/monster_files.h"
#include "ui/ids.h"
#include "ui/list/list_view.h"
#include "ui/main_window/window.h"
#include "ui/memory_controls.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using kestrel::testing::TempDir;
using namespace kestrel::ui;

namespace {

// What the window showed while each message was open.
class WatchingControls : public MemoryControls {
public:
    struct Seen {
        std::vector<std::string> texts;
        std::size_t rows;
    };
    std::vector<Seen> seen;

    Seen watch() const
    {
        Seen now{{}, rows(kIdList).size()};
        for (int id : {id::kDebugStatics[0], id::kAttackRange[0], id::kAngerButton, id::kSkillButtons[0],
                       kIdCandidateCount, id::kUserAttack})
            now.texts.push_back(text(id));
        return now;
    }

    MessageAnswer messageBox(std::string_view text, std::string_view caption, MessageButtons buttons,
                             kestrel::MessageIcon icon) override
    {
        seen.push_back(watch());
        return MemoryControls::messageBox(text, caption, buttons, icon);
    }
};

}  // namespace

TEST(FirstStart, MessagesOpenOverTheFinishedWindow)
{
    TempDir dir;
    WatchingControls controls;
    CKestrelDlg window(controls, dir.write("k.ini", "[SETTING]\r\nQUIZCLASS=4\r\nPERM_ATK_L=60\r\nMONSTERFILE=" +
                                                        kestrel::testing::sampleFilePath() + "\r\n"));
    window.OnInitDialog();
    ASSERT_EQ(controls.seen.size(), 3u);  // two notices and the tolerance question
    // The window behind them already shows what it shows once they are answered.
    const WatchingControls::Seen finished = controls.watch();
    EXPECT_EQ(finished.texts[0], "");                  // no _DBG placeholder
    EXPECT_EQ(finished.texts[2], "\x95\x73\x96\xbe");  // 不明, not the template's どっちだろ
    EXPECT_FALSE(finished.texts[3].empty());           // the class's skill labels are on
    EXPECT_EQ(finished.texts[4], std::to_string(window.catalogue().monsterCount));
    EXPECT_GT(finished.rows, 0u);
    for (const auto& seen : controls.seen) {
        EXPECT_EQ(seen.texts, finished.texts);
        EXPECT_EQ(seen.rows, finished.rows);
    }
}

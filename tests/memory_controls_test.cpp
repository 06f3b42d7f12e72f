#include "ui/memory_controls.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kestrel::ui {
namespace {

using K = ControlKind;

// Logs every event with what the controls showed when it arrived.
struct Recorder : ControlEvents {
    MemoryControls* c = nullptr;
    std::vector<std::string> log;
    std::function<void(int)> onText = [](int) {}, onClick = [](int) {};
    void onTextChanged(int id) override { log.push_back("T" + std::to_string(id) + "=" + c->text(id)), onText(id); }
    void onClicked(int id) override { log.push_back("C" + std::to_string(id) + "+-"[!c->checked(id)]), onClick(id); }
};

struct Window {
    MemoryControls c;
    Recorder r;
    Window()
    {
        r.c = &c;
        c.create({{10, K::Edit, "a"}, {11, K::Edit, ""}, {12, K::Static, "s"}, {20, K::CheckBox, ""},
                  {21, K::PushCheck, ""}, {30, K::Radio, "", 1}, {31, K::Radio, "", 1}, {32, K::PushRadio, "", 2},
                  {40, K::Button, "b"}, {50, K::List, ""}},
                 r);
    }
};

TEST(MemoryControls, EditWritesNotifyAtOnceEvenUnchangedAndReEnter)
{
    Window w;
    EXPECT_EQ(w.c.text(10), "a");
    int depth = 0;
    w.r.onText = [&](int id) {
        if (++depth < 4) w.c.setText(id == 10 ? 11 : 10, w.c.text(id) + "x");  // each edit writes the other
        w.r.log.push_back("end" + std::to_string(id));
    };
    w.c.setText(10, "\x8F\x62");  // 獣, stored as bytes
    EXPECT_EQ(w.r.log, (std::vector<std::string>{"T10=\x8F\x62", "T11=\x8F\x62x", "T10=\x8F\x62xx",
                                                  "T11=\x8F\x62xxx", "end11", "end10", "end11", "end10"}));
    w.r.log.clear(), depth = 10;
    w.c.setText(11, w.c.text(11));  // unchanged text still notifies
    w.c.setText(12, "z");           // a static does not
    EXPECT_EQ(w.r.log, (std::vector<std::string>{"T11=\x8F\x62xxx", "end11"}));
    EXPECT_TRUE(w.c.key(11, '+'));
    EXPECT_EQ(w.c.text(11), "\x8F\x62xxx+");
}

TEST(MemoryControls, ClicksToggleBeforeTheHandlerAndRadiosExcludeTheirGroup)
{
    Window w;
    w.c.setChecked(31, true), w.c.setChecked(32, true), w.c.setChecked(20, true);  // no events
    EXPECT_TRUE(w.r.log.empty());
    EXPECT_TRUE(w.c.click(20) && w.c.click(21) && w.c.click(30) && w.c.click(40) && w.c.click(12));
    EXPECT_EQ(w.r.log, (std::vector<std::string>{"C20-", "C21+", "C30+", "C40-", "C12-"}));
    EXPECT_TRUE(!w.c.checked(31) && w.c.checked(32));  // 32 is in another group
    EXPECT_TRUE(w.c.click(30) && w.c.checked(30));  // clicking a checked radio keeps it
    EXPECT_FALSE(w.c.click(10) || w.c.click(50));   // edits and lists take no clicks
}

TEST(MemoryControls, DisabledAndUnknownControlsTakeNothingAndListsDropRowsWithTheirColumns)
{
    Window w;
    w.c.setEnabled(20, false), w.c.setEnabled(10, false);
    EXPECT_FALSE(w.c.click(20) || w.c.type(10, "1") || w.c.key(10, '1') || w.c.type(12, "1"));
    EXPECT_FALSE(w.c.checked(20));
    EXPECT_EQ(w.c.text(10), "a");
    EXPECT_FALSE(w.c.click(999) || w.c.type(999, "1") || w.c.exists(999) || w.c.enabled(999) || w.c.checked(999));
    w.c.setText(999, "x"), w.c.setChecked(999, true), w.c.setFocus(999), w.c.postFocus(999);
    w.c.appendRow(999, {"x"}), w.c.setColumns(999, {{"h", 1, Align::Left}}), w.c.flushPostedFocus();
    EXPECT_TRUE(w.c.text(999).empty() && w.c.rows(999).empty() && w.c.columns(999).empty() && w.c.focus() == 0);
    EXPECT_TRUE(w.r.log.empty());
    w.c.setColumns(50, {{"A", 40, Align::Left}});
    w.c.appendRow(50, {"1", "2"}), w.c.appendRow(50, {"3"});
    EXPECT_EQ(w.c.rows(50), (std::vector<std::vector<std::string>>{{"1", "2"}, {"3"}}));
    w.c.deleteAllRows(50);
    EXPECT_TRUE(w.c.rows(50).empty());
    w.c.appendRow(50, {"1"}), w.c.setColumns(50, {{"B", 9, Align::Right}, {"C", 9, Align::Centre}});
    EXPECT_TRUE(w.c.rows(50).empty() && w.c.columns(50).size() == 2);
}

TEST(MemoryControls, PostedFocusRunsWhenTheOutermostActionIsOver)
{
    Window w;
    w.c.setFocus(11);
    std::vector<int> seen;
    w.r.onClick = [&](int id) {
        w.c.postFocus(10);
        if (id == 40) w.c.click(20);  // a nested action does not run the request
        seen.push_back(w.c.focus());
    };
    w.c.click(40);
    EXPECT_EQ(seen, (std::vector<int>{11, 11}));
    EXPECT_EQ(w.c.focus(), 10);
    w.c.postFocus(11);  // outside any action: waits
    w.c.setFocus(12);  // at once
    EXPECT_EQ(w.c.focus(), 12);
    w.c.flushPostedFocus();
    EXPECT_EQ(w.c.focus(), 11);
}

TEST(MemoryControls, MessageAndFileQueues)
{
    MemoryControls c;
    using A = MessageAnswer;
    using B = MessageButtons;
    c.queueAnswer(A::No), c.queueAnswer(A::Yes), c.queueAnswer(A::Ok);
    EXPECT_EQ(c.messageBox("q", "", B::YesNoCancel, MessageIcon::Question), A::No);
    EXPECT_EQ(c.messageBox("i", "INFORMATION", B::Ok, MessageIcon::Information), A::Ok);  // Yes taken as OK
    EXPECT_EQ(c.messageBox("q", "", B::YesNoCancel, MessageIcon::Question), A::Yes);      // OK taken as Yes
    EXPECT_EQ(c.messageBox("e", "", B::Ok, MessageIcon::Error), A::Ok);                   // empty queue
    EXPECT_EQ(c.messageBox("q", "", B::YesNoCancel, MessageIcon::Question), A::Yes);
    ASSERT_EQ(c.shownMessages().size(), 5u);
    EXPECT_EQ(c.shownMessages()[1].caption, "INFORMATION");
    EXPECT_EQ(c.shownMessages()[3].icon, MessageIcon::Error);
    c.queueFile("C:\\m.csv"), c.queueFile(std::nullopt);
    EXPECT_EQ(c.chooseFile("d", "*.csv", ""), "C:\\m.csv");
    EXPECT_EQ(c.chooseFile("d", "*.csv", ""), std::nullopt);
    EXPECT_EQ(c.chooseFile("d", "*.csv", ""), std::nullopt);
}

// A dialog of one edit, one check box, a radio pair and a reset button.
struct Dialog : DialogLogic {
    std::string value;
    bool box = false, second = false, reset = false;
    int oks = 0;
    std::vector<ControlSpec> controls() const override
    {
        return {{100, K::Edit, ""}, {101, K::CheckBox, ""}, {102, K::Radio, "", 1}, {103, K::Radio, "", 1},
                {3, K::Button, ""}};
    }
    void onInit(Controls& c) override { c.setText(100, "5"), c.setChecked(101, true), c.setChecked(102, true); }
    void onOk(Controls& c) override { value = c.text(100), box = c.checked(101), second = c.checked(103), ++oks; }
    void onClicked(int id) override { reset = reset || id == 3; }
};

TEST(MemoryControls, ModalDialogsAreFilledThenClosedByTheirScript)
{
    MemoryControls c;
    Dialog d;
    c.queueDialog({true, {{100, "42"}, {101, "0"}, {103, "1"}, {999, "x"}}, {3}});
    c.queueDialog({false, {{100, "7"}}, {}});
    EXPECT_TRUE(c.runModal("Config", d));
    EXPECT_EQ(d.value, "42");
    EXPECT_TRUE(!d.box && d.second && d.reset);
    EXPECT_FALSE(c.runModal("Config", d));  // cancelled: onOk is not called
    EXPECT_FALSE(c.runModal("x", d));       // empty queue cancels
    EXPECT_EQ(d.oks, 1);
    EXPECT_EQ(d.value, "42");
    EXPECT_EQ(c.dialogsRun(), (std::vector<std::string>{"Config", "Config", "x"}));
}

}  // namespace
}  // namespace kestrel::ui

// The in-memory control set: the window system's rules the window logic relies on.

#include "ui/memory_controls.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace kestrel::ui {
namespace {

using K = ControlKind;
using Log = std::vector<std::string>;

// Every kind of control; each event is logged with what the controls showed when it arrived.
struct Window : ControlEvents {
    MemoryControls c;
    Log log;
    std::function<void(int)> onText = [](int) {}, onClick = [](int) {};
    Window()
    {
        c.create({{10, K::Edit, "a"}, {11, K::Edit, ""}, {12, K::Static, "s"}, {20, K::CheckBox, ""},
                  {21, K::PushCheck, ""}, {30, K::Radio, "", 1}, {31, K::Radio, "", 1}, {32, K::PushRadio, "", 2},
                  {40, K::Button, "b"}, {50, K::List, ""}},
                 *this);
    }
    void onTextChanged(int id) override { log.push_back("T" + std::to_string(id) + "=" + c.text(id)), onText(id); }
    void onClicked(int id) override { log.push_back("C" + std::to_string(id) + "+-"[!c.checked(id)]), onClick(id); }
};

TEST(MemoryControls, EditWritesNotifyAtOnceEvenUnchangedAndReEnter)
{
    Window w;
    int depth = 0;
    w.onText = [&](int id) {
        if (++depth < 4) w.c.setText(id == 10 ? 11 : 10, w.c.text(id) + "x");  // each edit writes the other
        w.log.push_back("end" + std::to_string(id));
    };
    w.c.setText(10, "\x8F\x62");  // 獣, stored as bytes
    EXPECT_EQ(w.log, (Log{"T10=\x8F\x62", "T11=\x8F\x62x", "T10=\x8F\x62xx", "T11=\x8F\x62xxx", "end11", "end10",
                          "end11", "end10"}));
    w.log.clear(), depth = 10;
    w.c.setText(11, w.c.text(11));  // unchanged text still notifies
    w.c.setText(12, "z");           // a static does not
    EXPECT_EQ(w.log, (Log{"T11=\x8F\x62xxx", "end11"}));
    EXPECT_TRUE(w.c.key(11, '+') && w.c.text(11) == "\x8F\x62xxx+");
}

TEST(MemoryControls, ClicksToggleBeforeTheHandlerRadiosExcludeTheirGroupAndDisabledControlsTakeNothing)
{
    Window w;
    w.c.setChecked(31, true), w.c.setChecked(32, true), w.c.setChecked(20, true);  // no events
    EXPECT_TRUE(w.c.click(20) && w.c.click(21) && w.c.click(30) && w.c.click(40) && w.c.click(12));
    EXPECT_EQ(w.log, (Log{"C20-", "C21+", "C30+", "C40-", "C12-"}));
    EXPECT_TRUE(!w.c.checked(31) && w.c.checked(32));  // 32 is in another group
    EXPECT_TRUE(w.c.click(30) && w.c.checked(30));     // clicking a checked radio keeps it
    EXPECT_FALSE(w.c.click(10) || w.c.click(50));      // edits and lists take no clicks

    w.log.clear(), w.c.setEnabled(20, false), w.c.setEnabled(10, false);  // disabled or unknown: take nothing
    EXPECT_FALSE(w.c.click(20) || w.c.type(10, "1") || w.c.key(10, '1') || w.c.type(12, "1"));
    EXPECT_TRUE(!w.c.checked(20) && w.c.text(10) == "a");
    EXPECT_FALSE(w.c.click(999) || w.c.type(999, "1") || w.c.exists(999) || w.c.enabled(999) || w.c.checked(999));
    w.c.setText(999, "x"), w.c.postFocus(999), w.c.appendRow(999, {"x"}), w.c.flushPostedFocus();
    EXPECT_TRUE(w.c.text(999).empty() && w.c.rows(999).empty() && w.c.focus() == 0 && w.log.empty());
    w.c.appendRow(50, {"1", "2"}), w.c.setColumns(50, {{"B", 9, Align::Right}, {"C", 9, Align::Centre}});
    // New columns keep the rows (a locked list keeps them until its next fill).
    EXPECT_TRUE(w.c.rows(50).size() == 1 && w.c.columns(50).size() == 2);
    w.c.setToolTip(20, "tip"), w.c.setToolTip(999, "x");
    EXPECT_TRUE(w.c.toolTip(20) == "tip" && w.c.toolTip(999).empty());
}

TEST(MemoryControls, PostedFocusRunsWhenTheOutermostActionIsOver)
{
    Window w;
    w.c.setFocus(11);
    std::vector<int> seen;
    w.onClick = [&](int id) {
        w.c.postFocus(10);
        if (id == 40) w.c.click(20);  // a nested action does not run the request
        seen.push_back(w.c.focus());
    };
    w.c.click(40);
    EXPECT_EQ(w.c.focus(), 10);
    w.c.postFocus(11), w.c.setFocus(12);  // outside any action a request waits; setFocus is at once
    seen.push_back(w.c.focus()), w.c.flushPostedFocus(), seen.push_back(w.c.focus());
    EXPECT_EQ(seen, (std::vector<int>{11, 11, 12, 11}));
}

TEST(MemoryControls, QueuedAnswersFitTheBoxOrGiveItsDefault)
{
    using A = MessageAnswer;
    using B = MessageButtons;
    MemoryControls c;
    for (A queued : {A::No, A::Yes, A::Ok}) c.queueAnswer(queued);
    // Yes on an OK box is taken as OK, OK on a question as Yes; an empty queue presses Enter.
    const std::pair<B, A> asked[] = {{B::YesNoCancel, A::No}, {B::Ok, A::Ok}, {B::YesNoCancel, A::Yes},
                                     {B::Ok, A::Ok}, {B::YesNoCancel, A::Yes}};
    for (const auto& [buttons, answer] : asked)
        EXPECT_EQ(c.messageBox("t", "C", buttons, MessageIcon::Question), answer);
}

}  // namespace
}  // namespace kestrel::ui

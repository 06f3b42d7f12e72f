// The in-memory control set: the rules every control set keeps, and what only
// this one does (unknown controls, queued answers).

#include "support/control_set_contract.h"
#include "ui/memory_controls.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace kestrel::testing {

template <>
struct ControlDriver<ui::MemoryControls> {
    using C = ui::MemoryControls;
    static void prepare(C&) {}
    static void click(C& c, int id) { c.click(id); }
    static void key(C& c, int id, char ch) { c.key(id, ch); }
    static bool hasFocus(C& c, int id) { return c.focus() == id; }
    static void selectRow(C& c, int id, int row) { c.selectRow(id, row); }
    static std::map<int, int>& drawn()
    {
        static std::map<int, int> counts;
        return counts;
    }
    static void drawPending(C& c)
    {
        for (int id = 0; id < 100; ++id)
            drawn()[id] = c.redraws(id);
    }
    static bool waitsForRedraw(C& c, int id) { return c.redraws(id) != drawn()[id]; }
};

INSTANTIATE_TYPED_TEST_SUITE_P(MemoryControls, ControlSetContract, ui::MemoryControls);

}  // namespace kestrel::testing

namespace kestrel::ui {
namespace {

using Window = testing::ContractWindow<MemoryControls>;

TEST(MemoryControls, UnknownOrDisabledControlsTakeNothingAndNewColumnsDropTheRows)
{
    Window w;
    EXPECT_FALSE(w.c.click(10) || w.c.click(50));  // edits and lists take no clicks
    w.c.setEnabled(20, false), w.c.setEnabled(10, false);
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
        if (id == 40)
            w.c.click(20);  // a nested action does not run the request
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
    for (A queued : {A::No, A::Yes, A::Ok})
        c.queueAnswer(queued);
    // Yes on an OK box is taken as OK, OK on a question as Yes; an empty queue presses Enter.
    const std::pair<B, A> asked[] = {
        {B::YesNoCancel, A::No}, {B::Ok, A::Ok}, {B::YesNoCancel, A::Yes}, {B::Ok, A::Ok}, {B::YesNoCancel, A::Yes}};
    for (const auto& [buttons, answer] : asked)
        EXPECT_EQ(c.messageBox("t", "C", buttons, MessageIcon::Question), answer);
}

}  // namespace
}  // namespace kestrel::ui

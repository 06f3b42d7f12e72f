#pragma once
// The rules every control set keeps, as the window logic relies on them: one
// typed test suite, instantiated once per control set (in-memory, Qt, …).
//
// A test file instantiating it first specialises ControlDriver<C> with the
// user's actions on its set, then writes
//   INSTANTIATE_TYPED_TEST_SUITE_P(Name, ControlSetContract, ::testing::Types<C>);

#include "ui/controls.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace kestrel::testing {

// The user's actions on a control set C, through its real input path:
//   static void prepare(C&);             after create: make the controls clickable
//   static void click(C&, int id);
//   static void key(C&, int id, char c);  one key press, '+' from the keypad, in the
//                                         edit that has (or takes) the focus
//   static bool hasFocus(C&, int id);
//   static void selectRow(C&, int id, int row);  a click on a row of a list
//   static void drawPending(C&);          draws whatever waits to be drawn
//   static bool waitsForRedraw(C&, int id);  whether id has to be drawn again since
template <typename C>
struct ControlDriver;

using ContractLog = std::vector<std::string>;

// Every kind of control; each event is logged with what the controls showed when it arrived.
template <typename C>
struct ContractWindow : ui::ControlEvents {
    C c;
    ContractLog log;
    std::function<void(int)> onText = [](int) {}, onClick = [](int) {}, onFocus = [](int) {};
    ContractWindow()
    {
        using K = ui::ControlKind;
        c.create({{10, K::Edit, "a"},
                  {11, K::Edit, ""},
                  {12, K::Static, "s"},
                  {20, K::CheckBox, "c"},
                  {21, K::PushCheck, "p"},
                  {30, K::Radio, "r", 1},
                  {31, K::Radio, "r", 1},
                  {32, K::PushRadio, "q", 2},
                  {40, K::Button, "b"},
                  {50, K::List, ""}},
                 *this);
        ControlDriver<C>::prepare(c);
    }
    void onTextChanged(int id) override
    {
        log.push_back("T" + std::to_string(id) + "=" + c.text(id));
        onText(id);
    }
    void onClicked(int id) override
    {
        log.push_back("C" + std::to_string(id) + (c.checked(id) ? "+" : "-"));
        onClick(id);
    }
    void onFocused(int id) override { onFocus(id); }
    // "checked 30 31 32: +-+" and the like, for the controls given.
    std::string checkedOf(std::initializer_list<int> ids)
    {
        std::string names = "checked", marks;
        for (int id : ids) {
            names += " " + std::to_string(id);
            marks += c.checked(id) ? "+" : "-";
        }
        return names + ": " + marks;
    }
};

template <typename C>
class ControlSetContract : public ::testing::Test {
};
TYPED_TEST_SUITE_P(ControlSetContract);

// A write into an edit notifies at once, before it returns, even for an unchanged
// text, and may re-enter; a static never notifies; keys arrive one by one.
TYPED_TEST_P(ControlSetContract, EditsNotifyAtOnceReEnterAndTakeKeys)
{
    using D = ControlDriver<TypeParam>;
    ContractWindow<TypeParam> w;
    int depth = 0;
    w.onText = [&](int id) {
        const std::string text = w.c.text(id);
        if (!text.empty() && text.back() == '+')
            w.c.setText(id, "7");  // a handler rewriting the edit being typed in
        else if (++depth < 4)
            w.c.setText(id == 10 ? 11 : 10, text + "x");  // each edit writes the other
    };
    w.c.setText(10, "\x8F\x62");  // 獣, stored as bytes
    w.c.setText(11, w.c.text(11));
    w.c.setText(12, "z");
    D::key(w.c, 11, '1');
    D::key(w.c, 11, '+');
    w.c.setEnabled(10, false);
    D::key(w.c, 10, '1');  // disabled: nothing
    w.log.push_back(w.c.text(10) + "|" + w.c.text(11) + "|" + w.c.text(12));
    EXPECT_EQ(w.log,
              (ContractLog{"T10=\x8F\x62", "T11=\x8F\x62x", "T10=\x8F\x62xx", "T11=\x8F\x62xxx", "T11=\x8F\x62xxx",
                           "T11=\x8F\x62xxx1", "T11=\x8F\x62xxx1+", "T11=7", "\x8F\x62xx|7|z"}));
}

// A click changes the check state before the handler runs; a radio unchecks its
// group (and only its group); a disabled control takes nothing; a focus request
// posted inside a handler waits until the outermost handler is over.
TYPED_TEST_P(ControlSetContract, ClicksToggleFirstRadiosExcludeTheirGroupAndPostedFocusWaits)
{
    using D = ControlDriver<TypeParam>;
    ContractWindow<TypeParam> w;
    w.c.setChecked(31, true), w.c.setChecked(32, true), w.c.setChecked(20, true);  // no events
    for (int id : {20, 21, 30, 40, 12, 30})
        D::click(w.c, id);
    w.log.push_back(w.checkedOf({30, 31, 32}));
    w.c.setChecked(30, false), w.c.setEnabled(20, false), w.c.setEnabled(30, false);
    D::click(w.c, 20), D::click(w.c, 30);
    w.log.push_back(w.checkedOf({20, 30, 31}) + (w.c.enabled(20) ? " 20 enabled" : " 20 disabled"));
    w.c.setEnabled(20, true), w.c.setFocus(11);
    w.onClick = [&](int id) {
        w.c.postFocus(10);
        if (id == 40)
            D::click(w.c, 20);
        w.log.push_back(D::hasFocus(w.c, 10) ? "focus too early" : "waits");
    };
    D::click(w.c, 40);
    w.log.push_back(D::hasFocus(w.c, 10) ? "focused" : "not focused");
    EXPECT_EQ(w.log, (ContractLog{"C20-", "C21+", "C30+", "C40-", "C12-", "C30+", "checked 30 31 32: +-+",
                                  "checked 20 30 31: --- 20 disabled", "C40-", "C20+", "waits", "waits", "focused"}));
}

// A list tells the row the player selected; new rows, however they come, leave none.
TYPED_TEST_P(ControlSetContract, ListsTellTheSelectedRowUntilNewRowsCome)
{
    using D = ControlDriver<TypeParam>;
    ContractWindow<TypeParam> w;
    w.c.setColumns(50, {{"a", 40, ui::Align::Left}});
    const std::vector<std::vector<std::string>> rows = {{"x"}, {"y"}, {"z"}};
    w.c.replaceRows(50, rows);
    EXPECT_EQ(w.c.selectedRow(50), -1);
    D::selectRow(w.c, 50, 1);
    EXPECT_EQ(w.c.selectedRow(50), 1);
    EXPECT_EQ(w.c.selectedRow(10), -1);  // no list
    w.c.appendRow(50, {"w"});
    EXPECT_EQ(w.c.selectedRow(50), -1);
    D::selectRow(w.c, 50, 2);
    w.c.replaceRows(50, {{"x"}, {"y"}, {"z"}, {"w"}});  // the same rows again keep it
    EXPECT_EQ(w.c.selectedRow(50), 2);
    w.c.replaceRows(50, rows);
    EXPECT_EQ(w.c.selectedRow(50), -1);
    D::selectRow(w.c, 50, 0);
    w.c.deleteAllRows(50);
    EXPECT_EQ(w.c.selectedRow(50), -1);
    EXPECT_TRUE(w.log.empty());  // selecting tells the logic nothing
}

// The same text, check state, enabled state or tooltip set again leaves every
// control as drawn (an edit still reports the write); a new one is drawn.
TYPED_TEST_P(ControlSetContract, TheSameValueAgainDrawsNothing)
{
    using D = ControlDriver<TypeParam>;
    ContractWindow<TypeParam> w;
    w.c.setText(12, "\x8F\x62"), w.c.setChecked(20, true), w.c.setEnabled(40, false), w.c.setToolTip(21, "t");
    D::drawPending(w.c);
    auto redrawn = [&] {
        for (int id : {10, 11, 12, 20, 21, 30, 31, 32, 40})
            if (D::waitsForRedraw(w.c, id))
                w.log.push_back("drawn " + std::to_string(id));
    };
    w.c.setText(10, "a"), w.c.setText(12, "\x8F\x62"), w.c.setText(40, "b"), w.c.setText(30, "r");
    w.c.setChecked(20, true), w.c.setChecked(21, false), w.c.setChecked(32, false);
    w.c.setEnabled(40, false), w.c.setEnabled(11, true), w.c.setToolTip(21, "t"), w.c.setToolTip(31, "");
    redrawn();
    w.log.push_back("new:");
    w.c.setText(12, "z"), w.c.setText(11, "1"), w.c.setChecked(21, true), w.c.setEnabled(40, true);
    redrawn();
    EXPECT_EQ(w.log, (ContractLog{"T10=a", "new:", "T11=1", "drawn 11", "drawn 12", "drawn 21", "drawn 40"}));
}

// The focus arriving in an edit is reported, from setFocus or from the user's
// keys, once until it leaves; a button taking it is not.
TYPED_TEST_P(ControlSetContract, FocusArrivingInAnEditIsReported)
{
    using D = ControlDriver<TypeParam>;
    ContractWindow<TypeParam> w;
    w.onFocus = [&](int id) { w.log.push_back("F" + std::to_string(id)); };
    w.c.setFocus(40);
    w.c.setFocus(10);
    w.c.setFocus(10);
    D::key(w.c, 11, '1');
    D::key(w.c, 11, '2');
    w.c.setFocus(40);
    w.c.setFocus(10);
    EXPECT_EQ(w.log, (ContractLog{"F10", "F11", "T11=1", "T11=12", "F10"}));
}

REGISTER_TYPED_TEST_SUITE_P(ControlSetContract, EditsNotifyAtOnceReEnterAndTakeKeys,
                            ClicksToggleFirstRadiosExcludeTheirGroupAndPostedFocusWaits,
                            ListsTellTheSelectedRowUntilNewRowsCome, TheSameValueAgainDrawsNothing,
                            FocusArrivingInAnEditIsReported);

}  // namespace kestrel::testing

// The control set on Win32 common controls, under wine: the rules every control
// set keeps, and the list, code page 932 crossing, keyboard and modal windows of
// this one. User actions are the messages a real mouse or keyboard delivers: a
// click goes to the enabled child under the pointer, keys go to the control
// with the focus through the program's own message loop rules.

#include "support/control_set_contract.h"
#include "support/probe_dialog.h"
#include "ui/win32/win32_controls.h"
#include "ui/win32/win32_host.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace kestrel::ui::win32 {
namespace {

using K = ControlKind;
using Log = std::vector<std::string>;

// Runs what the message queue holds, through the program's keyboard rules.
void pump()
{
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (!preTranslate(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

// A left click at the middle of a window: it lands on whatever enabled, visible
// child of the top-level window is there.
void clickAt(HWND target)
{
    RECT bounds{};
    GetWindowRect(target, &bounds);
    HWND root = GetAncestor(target, GA_ROOT);
    POINT point{(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
    ScreenToClient(root, &point);
    HWND hit = ChildWindowFromPointEx(root, point, CWP_SKIPDISABLED | CWP_SKIPINVISIBLE);
    if (hit == nullptr || hit == root)
        return;
    MapWindowPoints(root, hit, &point, 1);
    const LPARAM at = MAKELPARAM(point.x, point.y);
    SendMessageW(hit, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(hit, WM_LBUTTONUP, 0, at);
    pump();
}

// A key pressed and released while target has (or takes) the focus; a
// disabled control cannot take it.
void keyOn(HWND target, UINT virtualKey)
{
    SetFocus(target);
    if (GetFocus() != target)
        return;
    PostMessageW(target, WM_KEYDOWN, virtualKey, 1);
    PostMessageW(target, WM_KEYUP, virtualKey, static_cast<LPARAM>(0xC0000001u));
    pump();
}

UINT virtualKeyOf(char c) { return c == '+' ? VK_ADD : static_cast<UINT>(VkKeyScanW(static_cast<wchar_t>(c)) & 0xFF); }

}  // namespace
}  // namespace kestrel::ui::win32

namespace kestrel::testing {

// The user's actions on Win32 controls are the messages a real mouse and
// keyboard deliver (see clickAt and keyOn).
template <>
struct ControlDriver<ui::win32::Win32Controls> {
    using C = ui::win32::Win32Controls;
    // In place of a layout: one control a line, in a shown window.
    static void prepare(C& c)
    {
        int y = 4;
        for (int id : c.ids()) {
            MoveWindow(c.handle(id), 8, y, 160, 22, FALSE);
            y += 26;
        }
        SetWindowPos(c.host(), nullptr, 0, 0, 300, y + 60, SWP_NOMOVE | SWP_NOZORDER);
        ShowWindow(c.host(), SW_SHOW);
        SetForegroundWindow(c.host());
        ui::win32::pump();
    }
    static void click(C& c, int id) { ui::win32::clickAt(c.handle(id)); }
    static void key(C& c, int id, char ch) { ui::win32::keyOn(c.handle(id), ui::win32::virtualKeyOf(ch)); }
    static bool hasFocus(C& c, int id) { return GetFocus() == c.handle(id); }
    static void selectRow(C& c, int id, int row)
    {
        ui::win32::pump();  // the rows are shown once the call that set them is over
        LVITEMW item{};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        item.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(c.handle(id), LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }
    // A control draws itself again on a new text, check or enabled state, at
    // once (wine paints then and there) or later: the messages that say so, or
    // an update region.
    static std::set<HWND>& told()
    {
        static std::set<HWND> windows;
        return windows;
    }
    static LRESULT CALLBACK watch(int code, WPARAM wParam, LPARAM lParam)
    {
        const auto* m = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && (m->message == WM_SETTEXT || m->message == BM_SETCHECK || m->message == WM_ENABLE ||
                                  m->message == EM_SETSEL))
            told().insert(m->hwnd);
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static void drawPending(C& c)
    {
        static const HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, watch, nullptr, GetCurrentThreadId());
        (void)hook;
        ui::win32::pump();
        RedrawWindow(c.host(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        told().clear();
    }
    static bool waitsForRedraw(C& c, int id)
    {
        return told().count(c.handle(id)) > 0 || GetUpdateRect(c.handle(id), nullptr, FALSE) != FALSE;
    }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Win32Controls, ControlSetContract, ui::win32::Win32Controls);

}  // namespace kestrel::testing

namespace kestrel::ui::win32 {
namespace {

using Window = testing::ContractWindow<Win32Controls>;

// Tab onto a radio only moves the focus, Space clicks it; Enter presses the
// push button that has the focus and does nothing in an edit.
TEST(Win32Controls, TheKeyboardClicksOnlyWhatTheKeyMeans)
{
    Window w;
    w.c.setFocus(21);
    keyOn(w.c.handle(21), VK_TAB);  // onto the unchecked radio 30
    EXPECT_EQ(GetFocus(), w.c.handle(30));
    EXPECT_TRUE(w.log.empty());
    keyOn(w.c.handle(30), VK_SPACE);
    keyOn(w.c.handle(40), VK_RETURN);
    keyOn(w.c.handle(21), VK_RETURN);  // a push-like toggle is no push button
    keyOn(w.c.handle(11), VK_RETURN);
    EXPECT_EQ(w.log, (Log{"C30+", "C40-"}));
    EXPECT_EQ(w.c.text(11), "");
}

// The text of the tool (window, id) in any tooltip window of this thread.
std::wstring toolTipOf(HWND window, UINT_PTR id)
{
    struct Search {
        HWND window;
        UINT_PTR id;
        std::wstring text;
    } search{window, id, {}};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND tips, LPARAM data) {
            wchar_t name[32] = {};
            GetClassNameW(tips, name, 32);
            auto& s = *reinterpret_cast<Search*>(data);
            if (std::wstring(name) != TOOLTIPS_CLASSW)
                return TRUE;
            wchar_t text[128] = {};
            TOOLINFOW tool{};
            tool.cbSize = TTTOOLINFOW_V2_SIZE;
            tool.hwnd = s.window;
            tool.uId = s.id;
            tool.lpszText = text;
            SendMessageW(tips, TTM_GETTEXTW, 128, reinterpret_cast<LPARAM>(&tool));
            if (text[0] != L'\0')
                s.text = text;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.text;
}

std::wstring cell(HWND list, int row, int column)
{
    wchar_t text[64] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 64;
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return text;
}

int rowsShown(HWND list) { return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)); }

TEST(Win32Controls, AFillIsOneUpdateAfterTheHandlerAndNewColumnsKeepTheRowsAndTheWidthsTheUserSet)
{
    Window w;
    HWND list = w.c.handle(50);
    int shownInHandler = -1;
    w.onClick = [&](int) {
        w.c.setColumns(50, {{"\x96\xBC", 120, Align::Left}, {"HP", 40, Align::Right}});  // 名
        w.c.deleteAllRows(50);
        for (int i = 0; i < 1000; ++i)
            w.c.appendRow(50, {"\x8F\x62" + std::to_string(i), std::to_string(i)});
        shownInHandler = rowsShown(list);
    };
    testing::ControlDriver<Win32Controls>::click(w.c, 40);
    EXPECT_EQ(shownInHandler, 0);
    EXPECT_EQ(rowsShown(list), 1000);
    EXPECT_EQ(cell(list, 999, 1), L"999");
    EXPECT_EQ(cell(list, 2, 0), L"獣2");
    EXPECT_EQ(cell(list, 1000, 0), L"");  // past the rows: nothing, no fault
    EXPECT_EQ(SendMessageW(list, LVM_GETCOLUMNWIDTH, 0, 0), 120);

    SendMessageW(list, LVM_SETCOLUMNWIDTH, 1, 70);         // the user widens a column: a refill keeps it
    w.c.deleteAllRows(50), w.c.appendRow(50, {"a", "b"});  // outside any event: shown from the message loop
    EXPECT_EQ(rowsShown(list), 1000);
    pump();
    EXPECT_EQ(rowsShown(list), 1);
    EXPECT_EQ(SendMessageW(list, LVM_GETCOLUMNWIDTH, 1, 0), 70);

    // New columns alone keep the rows; a column's tooltip is its header's.
    w.c.setColumns(50, {{"X", 30, Align::Left}, {"Y", 30, Align::Centre, "\x8F\x62 = ?"}});
    pump();
    EXPECT_EQ(rowsShown(list), 1);
    EXPECT_EQ(cell(list, 0, 1), L"b");
    const auto header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    EXPECT_EQ(toolTipOf(header, 1), L"獣 = ?");
    EXPECT_EQ(toolTipOf(header, 0), L"");

    w.c.replaceRows(50, {{"c", "d"}, {"e", "f"}});  // every row at once, shown from the message loop too
    EXPECT_EQ(rowsShown(list), 1);
    pump();
    EXPECT_EQ(rowsShown(list), 2);
    EXPECT_EQ(cell(list, 1, 0), L"e");
    LVITEMW selected{};
    selected.stateMask = selected.state = LVIS_SELECTED;
    SendMessageW(list, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&selected));
    w.c.replaceRows(50, {{"c", "d"}, {"e", "f"}});  // the same rows again: left as they are, selection too
    pump();
    EXPECT_EQ(SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0), 1);
}

std::wstring windowText(HWND window)
{
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

TEST(Win32Controls, TextsCrossAsCodePage932)
{
    Window w;
    w.c.setTitle("\x83\x7E\x83\x8B\x83\x67");  // ミルト
    EXPECT_EQ(windowText(w.c.host()), L"ミルト");
    w.c.setText(12, "\x8F\x62"), w.c.setText(10, "\x81");  // 獣; a lone lead byte forms no character
    EXPECT_EQ(windowText(w.c.handle(12)), L"獣");
    EXPECT_EQ(w.c.text(10), "\x81");  // read back as written while shown unchanged
    SendMessageW(w.c.handle(11), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"名"));  // as an input method commits
    EXPECT_EQ(w.log.back(), "T11=\x96\xBC");

    w.c.setToolTip(20, "\x8F\x62 3");  // 獣 3
    EXPECT_EQ(toolTipOf(w.c.host(), reinterpret_cast<UINT_PTR>(w.c.handle(20))), L"獣 3");
    w.c.setToolTip(20, "");
    EXPECT_EQ(toolTipOf(w.c.host(), reinterpret_cast<UINT_PTR>(w.c.handle(20))), L"");
}

// Acts on the next modal window of this thread once it is open.
std::function<void(HWND)> modalAction;
void whenModal(std::function<void(HWND)> act)
{
    modalAction = std::move(act);
    SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR timer, DWORD) {
        HWND modal = nullptr;
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND window, LPARAM found) {
                if (IsWindowVisible(window) && IsWindowEnabled(window) && GetWindow(window, GW_OWNER) != nullptr)
                    *reinterpret_cast<HWND*>(found) = window;
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&modal));
        if (modal == nullptr)
            return;
        KillTimer(nullptr, timer);
        auto act = std::move(modalAction);
        act(modal);
    });
}

using Dialog = testing::ProbeDialog;

TEST(Win32Controls, ModalDialogsAndMessageBoxesCloseOnlyByTheirButtonsAndEscape)
{
    Window w;
    Dialog d;
    bool openAfterEnter = false;
    whenModal([&](HWND box) {
        HWND edit = GetDlgItem(box, 100);
        keyOn(edit, '1'), keyOn(edit, '2'), keyOn(edit, VK_RETURN);
        openAfterEnter = IsWindowVisible(box) != FALSE;
        clickAt(GetDlgItem(box, kIdOk));
    });
    EXPECT_TRUE(w.c.runModal("Config", d) && openAfterEnter);
    whenModal([](HWND box) { keyOn(GetDlgItem(box, 100), VK_ESCAPE); });
    EXPECT_FALSE(w.c.runModal("Config", d));
    whenModal([](HWND box) { clickAt(GetDlgItem(box, 3)); });
    EXPECT_TRUE(w.c.runModal("Config", d));
    EXPECT_EQ(d.log, (Log{"C1", "ok 512", "C3", "ok 5"}));
    EXPECT_TRUE(IsWindowEnabled(w.c.host()));  // the owner works again

    using A = MessageAnswer;
    const std::pair<MessageButtons, UINT> asked[] = {{MessageButtons::YesNoCancel, VK_ESCAPE},
                                                     {MessageButtons::YesNoCancel, VK_RETURN},
                                                     {MessageButtons::Ok, VK_ESCAPE}};
    std::vector<A> answers;
    for (const auto& [buttons, pressed] : asked) {
        whenModal([pressed = pressed](HWND box) {
            PostMessageW(box, WM_KEYDOWN, pressed, 1);
            PostMessageW(box, WM_KEYUP, pressed, static_cast<LPARAM>(0xC0000001u));
        });
        answers.push_back(w.c.messageBox("t", "", buttons, MessageIcon::Question));
    }
    EXPECT_EQ(answers, (std::vector<A>{A::Cancel, A::Yes, A::Ok}));
}

}  // namespace
}  // namespace kestrel::ui::win32

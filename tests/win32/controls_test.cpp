// The control set on Win32 common controls: the same user stories played on it
// and on the in-memory set must leave the same event logs. User actions are
// the messages a real mouse or keyboard delivers: a click goes to the enabled
// child under the pointer, keys go to the control with the focus through the
// program's own message loop rules.

#include "ui/memory_controls.h"
#include "ui/win32/win32_controls.h"
#include "ui/win32/win32_host.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <type_traits>
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

struct MemorySet {
    MemoryControls c;
    void click(int id) { c.click(id); }
    void key(int id, char ch) { c.key(id, ch); }
    bool hasFocus(int id) const { return c.focus() == id; }
    void show() {}
};

struct Win32Set {
    HostWindow host{nullptr, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0};
    Win32Controls& c = host.controls();
    void click(int id) { clickAt(c.handle(id)); }
    void key(int id, char ch) { keyOn(c.handle(id), virtualKeyOf(ch)); }
    bool hasFocus(int id) const { return GetFocus() == c.handle(id); }
    // In place of a layout: one control a line.
    void show()
    {
        int y = 4;
        for (int id : c.ids()) {
            MoveWindow(c.handle(id), 8, y, 160, 22, FALSE);
            y += 26;
        }
        SetWindowPos(host.window(), nullptr, 0, 0, 300, y + 60, SWP_NOMOVE | SWP_NOZORDER);
        ShowWindow(host.window(), SW_SHOW);
        SetForegroundWindow(host.window());
        pump();
    }
};

template <typename S>
struct Window : ControlEvents {
    S s;
    decltype(s.c)& c = s.c;
    Log log;
    std::function<void(int)> onText = [](int) {}, onClick = [](int) {};
    Window()
    {
        c.create({{10, K::Edit, "a"}, {11, K::Edit, ""}, {12, K::Static, "s"}, {20, K::CheckBox, "c"},
                  {21, K::PushCheck, "p"}, {30, K::Radio, "r", 1}, {31, K::Radio, "r", 1}, {32, K::PushRadio, "q", 2},
                  {40, K::Button, "b"}, {50, K::List, ""}},
                 *this);
        s.show();
    }
    void onTextChanged(int id) override { log.push_back("T" + std::to_string(id) + "=" + c.text(id)), onText(id); }
    void onClicked(int id) override { log.push_back("C" + std::to_string(id) + "+-"[!c.checked(id)]), onClick(id); }
};

template <typename S>
Log editStory()
{
    Window<S> w;
    int depth = 0;
    w.onText = [&](int id) {
        const std::string text = w.c.text(id);
        if (!text.empty() && text.back() == '+')
            w.c.setText(id, "7");  // a handler rewriting the edit being typed in
        else if (++depth < 4)
            w.c.setText(id == 10 ? 11 : 10, text + "x");  // each edit writes the other
    };
    w.c.setText(10, "\x8F\x62");  // 獣
    w.c.setText(11, w.c.text(11)), w.c.setText(12, "z");  // unchanged text notifies; a static does not
    w.s.key(11, '1'), w.s.key(11, '+');  // '+' from the keypad
    w.c.setEnabled(10, false), w.s.key(10, '1');
    w.log.push_back(w.c.text(10) + "|" + w.c.text(11) + "|" + w.c.text(12));
    return w.log;
}

TEST(Win32Controls, EditsNotifyAtOnceReEnterAndTakeKeysLikeTheMemorySet)
{
    const Log win = editStory<Win32Set>();
    EXPECT_EQ(win, editStory<MemorySet>());
    EXPECT_EQ(win, (Log{"T10=\x8F\x62", "T11=\x8F\x62x", "T10=\x8F\x62xx", "T11=\x8F\x62xxx", "T11=\x8F\x62xxx",
                        "T11=\x8F\x62xxx1", "T11=\x8F\x62xxx1+", "T11=7", "\x8F\x62xx|7|z"}));
}

template <typename S>
Log clickStory()
{
    Window<S> w;
    w.c.setChecked(31, true), w.c.setChecked(32, true), w.c.setChecked(20, true);  // no events
    for (int id : {20, 21, 30, 40, 12, 30})
        w.s.click(id);
    w.log.push_back(std::to_string(w.c.checked(30)) + std::to_string(w.c.checked(31)) + std::to_string(w.c.checked(32)));
    w.c.setChecked(30, false), w.c.setEnabled(20, false), w.c.setEnabled(30, false);
    w.s.click(20), w.s.click(30);  // disabled: nothing
    w.log.push_back(std::to_string(w.c.checked(30) + w.c.checked(31)) + std::to_string(w.c.enabled(20)));
    // A posted focus request waits for the outermost handler, a nested click included.
    w.c.setEnabled(20, true), w.c.setFocus(11);
    w.onClick = [&](int id) {
        w.c.postFocus(10);
        if (id == 40)
            w.s.click(20);
        w.log.push_back(w.s.hasFocus(10) ? "focus too early" : "waits");
    };
    w.s.click(40);
    w.log.push_back(w.s.hasFocus(10) ? "focused" : "not focused");
    return w.log;
}

TEST(Win32Controls, ClicksToggleBeforeTheHandlerRadiosExcludeByHandAndFocusWaitsLikeTheMemorySet)
{
    const Log win = clickStory<Win32Set>();
    EXPECT_EQ(win, clickStory<MemorySet>());
    EXPECT_EQ(win, (Log{"C20-", "C21+", "C30+", "C40-", "C12-", "C30+", "101", "00", "C40-", "C20+", "waits",
                        "waits", "focused"}));
}

TEST(Win32Controls, ARadioTakingTheFocusByKeyboardIsNoClickButSpaceIs)
{
    Window<Win32Set> w;
    w.c.setFocus(21);
    keyOn(w.c.handle(21), VK_TAB);  // Tab onto the unchecked radio 30
    EXPECT_TRUE(w.s.hasFocus(30));
    EXPECT_TRUE(w.log.empty());
    keyOn(w.c.handle(30), VK_SPACE);
    EXPECT_EQ(w.log, (Log{"C30+"}));
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
    Window<Win32Set> w;
    HWND list = w.c.handle(50);
    int shownInHandler = -1;
    w.onClick = [&](int) {
        w.c.setColumns(50, {{"\x96\xBC", 120, Align::Left}, {"HP", 40, Align::Right}});  // 名
        w.c.deleteAllRows(50);
        for (int i = 0; i < 1000; ++i)
            w.c.appendRow(50, {"\x8F\x62" + std::to_string(i), std::to_string(i)});
        shownInHandler = rowsShown(list);
    };
    w.s.click(40);
    EXPECT_EQ(shownInHandler, 0);
    EXPECT_EQ(rowsShown(list), 1000);
    EXPECT_EQ(cell(list, 999, 1), L"999");
    EXPECT_EQ(cell(list, 2, 0), L"獣2");
    EXPECT_EQ(cell(list, 1000, 0), L"");  // past the rows: nothing, no fault
    EXPECT_EQ(SendMessageW(list, LVM_GETCOLUMNWIDTH, 0, 0), 120);

    SendMessageW(list, LVM_SETCOLUMNWIDTH, 1, 70);  // the user widens a column: a refill keeps it
    w.c.deleteAllRows(50), w.c.appendRow(50, {"a", "b"});  // outside any event: shown from the message loop
    EXPECT_EQ(rowsShown(list), 1000);
    pump();
    EXPECT_EQ(rowsShown(list), 1);
    EXPECT_EQ(SendMessageW(list, LVM_GETCOLUMNWIDTH, 1, 0), 70);

    w.c.setColumns(50, {{"X", 30, Align::Left}, {"Y", 30, Align::Centre}});  // new columns alone keep the rows
    pump();
    EXPECT_EQ(rowsShown(list), 1);
    EXPECT_EQ(cell(list, 0, 1), L"b");
}

std::wstring windowText(HWND window)
{
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

TEST(Win32Controls, TextsCrossAsCodePage932)
{
    Window<Win32Set> w;
    w.c.setTitle("\x83\x7E\x83\x8B\x83\x67");  // ミルト
    EXPECT_EQ(windowText(w.s.host.window()), L"ミルト");
    w.c.setText(12, "\x8F\x62"), w.c.setText(10, "\x81");  // 獣; a lone lead byte forms no character
    EXPECT_EQ(windowText(w.c.handle(12)), L"獣");
    EXPECT_EQ(w.c.text(10), "\x81");  // read back as written while shown unchanged
    SendMessageW(w.c.handle(11), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"名"));  // as an input method commits
    EXPECT_EQ(w.log.back(), "T11=\x96\xBC");

    w.c.setToolTip(20, "\x8F\x62 3");  // 獣 3
    HWND tips = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM found) {
            wchar_t name[32] = {};
            GetClassNameW(window, name, 32);
            if (std::wstring(name) == TOOLTIPS_CLASSW)
                *reinterpret_cast<HWND*>(found) = window;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&tips));
    ASSERT_NE(tips, nullptr);
    wchar_t tip[64] = {};
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = w.s.host.window();
    tool.uId = reinterpret_cast<UINT_PTR>(w.c.handle(20));
    tool.lpszText = tip;
    SendMessageW(tips, TTM_GETTEXTW, 64, reinterpret_cast<LPARAM>(&tool));
    EXPECT_EQ(std::wstring(tip), L"獣 3");
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

struct Dialog : DialogLogic {
    Log log;
    std::vector<ControlSpec> controls() const override
    {
        return {{100, K::Edit, ""}, {3, K::Button, "reset"}, {kIdOk, K::Button, "OK"}, {kIdCancel, K::Button, "x"}};
    }
    void onInit(Controls& c) override { c.setText(100, "5"); }
    void onOk(Controls& c) override { log.push_back("ok " + c.text(100)); }
    bool closesWithOk(int id) const override { return id == 3; }
    void onClicked(int id) override { log.push_back("C" + std::to_string(id)); }
};

TEST(Win32Controls, ModalDialogsAndMessageBoxesCloseOnlyByTheirButtonsAndEscape)
{
    Window<Win32Set> w;
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
    EXPECT_TRUE(IsWindowEnabled(w.s.host.window()));  // the owner works again

    using A = MessageAnswer;
    const std::pair<MessageButtons, UINT> asked[] = {
        {MessageButtons::YesNoCancel, VK_ESCAPE}, {MessageButtons::YesNoCancel, VK_RETURN}, {MessageButtons::Ok, VK_ESCAPE}};
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

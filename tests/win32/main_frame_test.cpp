// The program's window on Windows, under wine: a dropped definition file (its
// name in UTF-16, Japanese included) opens, any other file is ignored; the
// shortcut table's keys click (Ctrl+Shift+S the hint panel's skill line too); Escape ends the program; the window keeps
// its least size and its place; the hint panel comes and goes from the menu.

#include "support/monster_files.h"
#include "ui/hints/hint_panel.h"
#include "ui/list/list_view.h"
#include "ui/ids.h"
#include "ui/texts/texts.h"
#include "ui/win32/main_frame_window.h"

#include <commctrl.h>
#include <shlobj.h>  // DROPFILES

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kestrel::ui::win32 {
namespace {

bool quitPosted = false;

void pump()
{
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            quitPosted = true;
            continue;
        }
        if (!preTranslate(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

// What Explorer hands a window when files are dropped onto it.
HDROP dropOf(const std::vector<std::wstring>& files)
{
    std::size_t characters = 1;
    for (const std::wstring& file : files)
        characters += file.size() + 1;
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + characters * sizeof(wchar_t));
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    auto* names = reinterpret_cast<wchar_t*>(drop + 1);
    for (const std::wstring& file : files) {
        std::copy(file.begin(), file.end(), names);
        names += file.size() + 1;
    }
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

// A key pressed with modifiers held, on the control that has the focus.
void press(HWND focus, UINT key, std::initializer_list<UINT> held = {})
{
    BYTE state[256] = {};
    for (UINT modifier : held)
        state[modifier] = 0x80;
    SetKeyboardState(state);
    SetFocus(focus);
    PostMessageW(focus, held.size() > 0 && *held.begin() == VK_MENU ? WM_SYSKEYDOWN : WM_KEYDOWN, key, 1);
    pump();
    BYTE none[256] = {};
    SetKeyboardState(none);
}

struct Program : ::testing::Test {
    testing::TempDir dir;
    std::string settings = dir.write("kestrel.ini", "[SETTING]\r\nINFORMATIONFLAG=5F\r\nQUIZCLASS=4\r\n");
    MainFrame frame;
    CKestrelDlg dialog{frame.controls(), settings};

    void SetUp() override
    {
        INITCOMMONCONTROLSEX classes{sizeof classes, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&classes);
        frame.attach(&dialog);
        dialog.OnInitDialog();
        frame.controls().flush();
        ShowWindow(frame.window(), SW_SHOW);
        pump();
    }
    void TearDown() override { frame.attach(nullptr); }
    std::size_t rows() { return frame.controls().rowCount(kIdList); }
};

TEST_F(Program, ADroppedCsvFileOpensByItsUnicodeNameAndOtherFilesAreIgnored)
{
    const std::string sample = testing::readFileBytes(testing::sampleFilePath());
    ASSERT_FALSE(sample.empty());
    const std::wstring csv = wideFromUtf8(dir.write("モンスター一覧.CSV", sample));
    const std::wstring text = wideFromUtf8(dir.write("notes.txt", "x"));
    const std::string before = frame.controls().text(id::kPath);

    SendMessageW(frame.window(), WM_DROPFILES, reinterpret_cast<WPARAM>(dropOf({text})), 0);
    pump();
    EXPECT_EQ(frame.controls().text(id::kPath), before);
    EXPECT_EQ(rows(), 0u);

    SendMessageW(frame.window(), WM_DROPFILES, reinterpret_cast<WPARAM>(dropOf({text, csv})), 0);
    pump();
    EXPECT_EQ(frame.controls().text(id::kPath), sjis("モンスター一覧.CSV"));
    EXPECT_GT(rows(), 10u);
}

TEST_F(Program, ShortcutKeysClickAndEscapeEndsTheProgram)
{
    HWND dealt = frame.controls().handle(id::kDealtLow);
    press(dealt, '2', {VK_CONTROL});  // the location layout
    EXPECT_TRUE(frame.controls().checked(id::kLayoutRadios[1]));
    EXPECT_EQ(GetFocus(), dealt);
    EXPECT_EQ(frame.controls().text(id::kDealtLow), "");  // the key typed nothing

    quitPosted = false;
    press(dealt, VK_RETURN);
    EXPECT_TRUE(IsWindowVisible(frame.window()));
    EXPECT_FALSE(quitPosted);
    press(dealt, VK_ESCAPE);
    EXPECT_TRUE(quitPosted);  // the program's message loop ends
}

TEST_F(Program, CtrlShiftSAddsTheFirstSkillTheHintPanelNames)
{
    dialog.openDefinitionFile(testing::sampleFilePath());
    frame.controls().flush();
    pump();
    const std::string line = frame.controls().text(id::kFirstSkill);
    ASSERT_FALSE(line.empty());
    HWND dealt = frame.controls().handle(id::kDealtLow);
    press(dealt, 'S', {VK_CONTROL, VK_SHIFT});
    const std::string search = frame.controls().text(id::kSearchEdit);
    ASSERT_GE(search.size(), 4u);
    EXPECT_NE(line.find(search.substr(0, 4)), std::string::npos);  // the line named what is searched now
    EXPECT_EQ(frame.controls().text(id::kDealtLow), "");           // the key typed nothing
}

TEST_F(Program, TheWindowNeverGetsSmallerThanItsBandsNeed)
{
    SetWindowPos(frame.window(), nullptr, 0, 0, 200, 150, SWP_NOMOVE | SWP_NOZORDER);
    RECT client{};
    GetClientRect(frame.window(), &client);
    RECT list{};
    GetWindowRect(frame.controls().handle(kIdList), &list);
    EXPECT_GT(client.right, 500);
    EXPECT_GT(list.bottom - list.top, 60);
}

// The place the logic keeps between runs is the place the window is at, and a
// place off every screen comes back onto one.
TEST_F(Program, TheWindowGoesWhereItWasAndNeverOffTheScreens)
{
    const std::optional<WindowRect> now = frame.controls().windowRect();
    ASSERT_TRUE(now.has_value());
    const WindowRect moved{now->x + 13, now->y + 9, now->width, now->height};
    frame.controls().setWindowRect(moved);
    const std::optional<WindowRect> there = frame.controls().windowRect();
    ASSERT_TRUE(there.has_value());
    EXPECT_EQ(there->x, moved.x);  // its size may be cut to the screen's
    EXPECT_EQ(there->y, moved.y);
    frame.controls().setWindowRect({-5000, -5000, now->width, now->height});
    const std::optional<WindowRect> back = frame.controls().windowRect();
    ASSERT_TRUE(back.has_value());
    EXPECT_GE(back->x, 0);
    EXPECT_GE(back->y, 0);
}

// The window menu's ヒント hides the hint panel and gives its room to the list;
// once more shows it again.
TEST_F(Program, TheHintPanelComesAndGoesFromTheWindowMenu)
{
    HWND advice = frame.controls().handle(kIdAdviceLines[0]);
    HWND list = frame.controls().handle(kIdList);
    const auto width = [](HWND window) {
        RECT r{};
        GetWindowRect(window, &r);
        return r.right - r.left;
    };
    ASSERT_TRUE(IsWindowVisible(advice));
    const int narrow = width(list);
    SendMessageW(frame.window(), WM_SYSCOMMAND, MainFrame::kHintPanelCommand, 0);
    pump();
    EXPECT_FALSE(IsWindowVisible(advice));
    EXPECT_GT(width(list), narrow);
    SendMessageW(frame.window(), WM_SYSCOMMAND, MainFrame::kHintPanelCommand, 0);
    pump();
    EXPECT_TRUE(IsWindowVisible(advice));
    EXPECT_EQ(width(list), narrow);
}

}  // namespace
}  // namespace kestrel::ui::win32

// The program's window on Windows, under wine: a dropped definition file (its
// name in UTF-16, Japanese included) opens, any other file is ignored; the
// shortcut table's keys click (Ctrl+Shift+S the hint panel's skill line too);
// Escape ends the program; the window keeps its least size and its place; the
// hint panel comes and goes from the menu; the keyboard stays in the edit the
// player was in.

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

// What the window looked like while each message box was open; each is
// answered with OK by a timer.
struct SeenUnderMessage {
    bool windowShown;
    std::wstring debugLabel, angerButton;
};
std::vector<SeenUnderMessage> seenUnderMessages;
HWND watchedFrame = nullptr;
Win32Controls* watchedControls = nullptr;

void CALLBACK answerMessage(HWND, UINT, UINT_PTR, DWORD)
{
    HWND box = GetActiveWindow();
    wchar_t name[16] = {};
    if (box == nullptr || box == watchedFrame || GetClassNameW(box, name, 16) == 0 || std::wstring(name) != L"#32770")
        return;
    auto textOf = [](HWND window) {
        wchar_t text[64] = {};
        GetWindowTextW(window, text, 64);
        return std::wstring(text);
    };
    seenUnderMessages.push_back({IsWindowVisible(watchedFrame) != FALSE, textOf(watchedControls->handle(1009)),
                                 textOf(watchedControls->handle(1014))});
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

// Closes the next modal window of this thread once it is open.
void closeNextModal()
{
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
        PostMessageW(modal, WM_CLOSE, 0, 0);
    });
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
    const std::size_t loaded = rows();
    EXPECT_GT(loaded, 10u);

    // A dropped file that is no definition file changes nothing but its message.
    const std::wstring zip = wideFromUtf8(dir.write("archive.csv", std::string("PK\3\4\0\0", 6)));
    watchedFrame = frame.window();
    watchedControls = &frame.controls();
    seenUnderMessages.clear();
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, answerMessage);
    SendMessageW(frame.window(), WM_DROPFILES, reinterpret_cast<WPARAM>(dropOf({zip})), 0);
    pump();
    KillTimer(nullptr, timer);
    EXPECT_EQ(seenUnderMessages.size(), 1u);
    EXPECT_EQ(frame.controls().text(id::kPath), sjis("モンスター一覧.CSV"));
    EXPECT_EQ(rows(), loaded);
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

// Full-width digits typed become ASCII; a click on a skill button or a class,
// sort or layout radio, and a dialog closed, leave the keyboard in the edit
// the player typed in; Ctrl+Shift+Z brings back what RESET cleared.
TEST_F(Program, TheKeyboardStaysInTheEditAndAResetComesBack)
{
    HWND taken = frame.controls().handle(id::kTakenLow);
    SetFocus(taken);
    for (wchar_t typed : {L'５', L'８'})
        SendMessageW(taken, WM_CHAR, typed, 1);
    EXPECT_EQ(frame.controls().text(id::kTakenLow), "58");
    for (int clicked : {id::kSkillButtons[0], id::kClassRadios[1], id::kSortRadios[3], id::kLayoutRadios[3],
                        id::kChangeUser, id::kConfig}) {
        if (clicked == id::kChangeUser || clicked == id::kConfig)
            closeNextModal();
        SendMessageW(frame.controls().handle(clicked), BM_CLICK, 0, 0);
        pump();
        EXPECT_EQ(GetFocus(), taken) << clicked;
    }
    press(taken, 'R', {VK_CONTROL});
    EXPECT_EQ(frame.controls().text(id::kTakenLow), "");
    press(GetFocus(), 'Z', {VK_CONTROL, VK_SHIFT});
    EXPECT_EQ(frame.controls().text(id::kTakenLow), "58");
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
    // A size within the screen (the window keeps its least size whatever it is asked).
    const WindowRect moved{now->x + 13, now->y + 9, 400, 300};
    frame.controls().setWindowRect(moved);
    const std::optional<WindowRect> there = frame.controls().windowRect();
    ASSERT_TRUE(there.has_value());
    EXPECT_EQ(there->x, moved.x);
    EXPECT_EQ(there->y, moved.y);
    // One larger than the screen fills it from its top left corner.
    frame.controls().setWindowRect({300, 200, 9000, 9000});
    const std::optional<WindowRect> filled = frame.controls().windowRect();
    ASSERT_TRUE(filled.has_value());
    EXPECT_EQ(std::pair(filled->x, filled->y), std::pair(0, 0));
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

// The first start's messages open over the finished window, on screen already.
TEST(FirstStart, MessagesOpenOverTheFinishedWindowOnScreen)
{
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&classes);
    testing::TempDir dir;
    MainFrame frame;
    {
        CKestrelDlg dialog(frame.controls(),
                           dir.write("kestrel.ini", "[SETTING]\r\nMONSTERFILE=" + testing::sampleFilePath() + "\r\n"));
        frame.attach(&dialog);
        frame.controls().setWindowShownBeforeModals(true);
        watchedFrame = frame.window();
        watchedControls = &frame.controls();
        seenUnderMessages.clear();
        const UINT_PTR timer = SetTimer(nullptr, 0, 20, answerMessage);
        dialog.OnInitDialog();
        KillTimer(nullptr, timer);
        frame.attach(nullptr);
    }
    ASSERT_EQ(seenUnderMessages.size(), 2u);
    for (const SeenUnderMessage& seen : seenUnderMessages) {
        EXPECT_TRUE(seen.windowShown);
        EXPECT_EQ(seen.debugLabel, L"");
        EXPECT_EQ(seen.angerButton, L"不明");
    }
}

}  // namespace
}  // namespace kestrel::ui::win32

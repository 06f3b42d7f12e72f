// The native window beside the game, under wine: kept on top (HWND_TOPMOST)
// from Ctrl+T and the window menu, with a check mark, in place and with its
// focus, and so again at the next start; the answer's name on the clipboard as
// CF_UNICODETEXT from the keys and a double click; F1 hands the guide's path to
// the system (caught here: nothing starts); the picture columns drawn.

#include "platform/guide_file.h"
#include "platform/program_path.h"
#include "support/monster_files.h"
#include "ui/ids.h"
#include "ui/list/list_view.h"
#include "ui/texts/texts.h"
#include "ui/win32/main_frame_window.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

namespace kestrel::ui::win32 {
namespace {

void pump()
{
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT)
            continue;
        if (!preTranslate(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

void press(HWND focus, UINT key, std::initializer_list<UINT> held = {})
{
    BYTE state[256] = {};
    for (UINT modifier : held)
        state[modifier] = 0x80;
    SetKeyboardState(state);
    SetFocus(focus);
    PostMessageW(focus, WM_KEYDOWN, key, 1);
    pump();
    BYTE none[256] = {};
    SetKeyboardState(none);
}

std::wstring clipboardText()
{
    std::wstring text;
    if (!OpenClipboard(nullptr))
        return L"(closed)";
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT))
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    CloseClipboard();
    return text;
}

struct Window {
    std::string settings;
    MainFrame frame;
    CKestrelDlg dialog;
    Window(const testing::TempDir& dir, const std::string& extra)
        : settings(dir.write("kestrel.ini", extra + "[SETTING]\r\nINFORMATIONFLAG=5F\r\nQUIZCLASS=4\r\nMONSTERFILE=" +
                                                testing::sampleFilePath() + "\r\n")),
          dialog(frame.controls(), settings)
    {
        frame.attach(&dialog);
        dialog.OnInitDialog();
        frame.controls().flush();
        ShowWindow(frame.window(), SW_SHOW);
        pump();
    }
    ~Window() { frame.attach(nullptr); }
    // As the control set put it with SetWindowPos (wine's null driver keeps no
    // WS_EX_TOPMOST to read back).
    bool topmost() { return frame.controls().topmost(); }
    bool menuChecked()
    {
        return (GetMenuState(GetSystemMenu(frame.window(), FALSE), MainFrame::kTopmostCommand, MF_BYCOMMAND) &
                MF_CHECKED) != 0;
    }
    std::wstring notice()
    {
        wchar_t text[512] = {};
        GetWindowTextW(frame.controls().noticeLine(), text, 512);
        return IsWindowVisible(frame.controls().noticeLine()) ? text : L"";
    }
    HWND list() { return frame.controls().handle(kIdList); }
    HWND at(int id) { return frame.controls().handle(id); }
};

struct Desktop : ::testing::Test {
    testing::TempDir dir;
    void SetUp() override
    {
        INITCOMMONCONTROLSEX classes{sizeof classes, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&classes);
    }
};

TEST_F(Desktop, CtrlTAndTheWindowMenuKeepTheWindowOnTopInPlaceAndSoAtTheNextStart)
{
    {
        Window w(dir, "");
        EXPECT_FALSE(w.topmost());
        EXPECT_FALSE(w.menuChecked());
        RECT before{}, after{};
        GetWindowRect(w.frame.window(), &before);
        press(w.at(id::kDealtLow), 'T', {VK_CONTROL});
        EXPECT_TRUE(w.topmost());
        EXPECT_TRUE(w.menuChecked());
        GetWindowRect(w.frame.window(), &after);
        EXPECT_TRUE(EqualRect(&before, &after));
        EXPECT_EQ(GetFocus(), w.at(id::kDealtLow));
        EXPECT_EQ(w.frame.controls().text(id::kDealtLow), "") << "the key typed nothing";
        EXPECT_NE(testing::readFileBytes(w.settings).find("TOPMOST=1"), std::string::npos);
    }
    Window again(dir, "[KESTREL]\r\nTOPMOST=1\r\n");
    EXPECT_TRUE(again.topmost());
    EXPECT_TRUE(again.menuChecked());
    SendMessageW(again.frame.window(), WM_SYSCOMMAND, MainFrame::kTopmostCommand, 0);
    pump();
    EXPECT_FALSE(again.topmost());
    EXPECT_FALSE(again.menuChecked());
    EXPECT_NE(testing::readFileBytes(again.settings).find("TOPMOST=0"), std::string::npos);
}

TEST_F(Desktop, TheAnswersNameGoesToTheClipboardAsUnicodeText)
{
    Window w(dir, "");
    Win32Controls& controls = w.frame.controls();
    controls.copyToClipboard(sjis("前"));
    ASSERT_GT(controls.rowCount(kIdList), 2u);
    // Nothing selected, many candidates: nothing copied, the notice says why.
    press(w.at(id::kDealtLow), 'C', {VK_CONTROL, VK_SHIFT});
    EXPECT_EQ(clipboardText(), L"前");
    EXPECT_NE(w.notice().find(L"コピーする名前がありません"), std::wstring::npos);

    // A selected row and Ctrl+C in the list; Ctrl+C elsewhere is the edit's own.
    LVITEMW selected{};
    selected.stateMask = selected.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(w.list(), LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&selected));
    press(w.list(), 'C', {VK_CONTROL});
    EXPECT_EQ(clipboardText(), controls.cellText(kIdList, 1, 0));
    EXPECT_EQ(w.notice(), L"「" + controls.cellText(kIdList, 1, 0) + L"」をコピーしました");

    // A double click on another row.
    RECT row{};
    row.left = LVIR_LABEL;
    SendMessageW(w.list(), LVM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&row));
    const LPARAM at = MAKELPARAM(row.left + 4, (row.top + row.bottom) / 2);
    SendMessageW(w.list(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(w.list(), WM_LBUTTONUP, 0, at);
    SendMessageW(w.list(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageW(w.list(), WM_LBUTTONUP, 0, at);
    pump();
    EXPECT_EQ(clipboardText(), controls.cellText(kIdList, 2, 0));

    // Down to one by its name; the key copies it while the focus is in the field.
    const std::wstring only = controls.cellText(kIdList, 0, 0);
    SetWindowTextW(w.at(id::kSearchEdit), (L"＠" + only).c_str());
    pump();
    ASSERT_EQ(controls.rowCount(kIdList), 1u);
    EXPECT_EQ(w.notice(), L"残り1体: " + only + L"（Ctrl+Shift+C でコピー）");
    press(w.at(id::kSearchEdit), 'C', {VK_CONTROL, VK_SHIFT});
    EXPECT_EQ(clipboardText(), only);
}

TEST_F(Desktop, F1HandsTheGuideBesideTheProgramToTheSystem)
{
    const std::string guide = guideFilePath(executablePath());
    ASSERT_FALSE(guide.empty()) << "the build puts the guide beside the programs";
    Window w(dir, "");
    std::wstring opened;
    w.frame.controls().setDocumentOpener([&](const std::wstring& path) {
        opened = path;
        return true;
    });
    press(w.at(id::kDealtLow), VK_F1);
    EXPECT_EQ(opened, wideFromUtf8(guide));
    EXPECT_EQ(opened.substr(opened.size() - 9), L"\\使い方.html");
}

// The damage layout with a typed value: the mark's colour through the picture
// column, the bar's colour in some rows (the text columns narrowed so that the
// picture is in view).
TEST_F(Desktop, ThePictureColumnsAreDrawnInTheDamageLayout)
{
    Window w(dir, "[USER0]\r\nATACK=200\r\nDEFENSE=150\r\n");
    press(w.at(id::kDealtLow), '4', {VK_CONTROL});
    SetWindowTextW(w.at(id::kDealtLow), L"60");
    pump();
    const int rows = static_cast<int>(w.frame.controls().rowCount(kIdList));
    ASSERT_GT(rows, 0);
    for (int column = 0; column < 15; ++column)
        SendMessageW(w.list(), LVM_SETCOLUMNWIDTH, column, 8);
    RECT client{};
    GetClientRect(w.list(), &client);
    HDC screen = GetDC(w.list());
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP picture = CreateCompatibleBitmap(screen, client.right, client.bottom);
    HGDIOBJ previous = SelectObject(memory, picture);
    SendMessageW(w.list(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT | PRF_ERASEBKGND);
    int marks = 0, bars = 0;
    for (int row = 0; row < std::min(rows, 6); ++row) {
        RECT cell{};
        cell.top = 15;
        cell.left = LVIR_BOUNDS;
        ASSERT_TRUE(SendMessageW(w.list(), LVM_GETSUBITEMRECT, row, reinterpret_cast<LPARAM>(&cell)));
        for (int x = cell.left; x < std::min<int>(cell.right, client.right); ++x) {
            marks += GetPixel(memory, x, cell.top + 1) == RGB(0xe0, 0x1e, 0x37) ? 1 : 0;
            bars += GetPixel(memory, x, (cell.top + cell.bottom) / 2) == RGB(0x2a, 0x6f, 0x97) ? 1 : 0;
        }
    }
    SelectObject(memory, previous);
    DeleteObject(picture);
    DeleteDC(memory);
    ReleaseDC(w.list(), screen);
    EXPECT_GT(marks, 0);
    EXPECT_GT(bars, 0);
}

}  // namespace
}  // namespace kestrel::ui::win32

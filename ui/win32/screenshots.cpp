#include "ui/win32/screenshots.h"

#include "ui/ids.h"
#include "ui/list/list_view.h"
#include "ui/win32/main_frame_window.h"
#include "ui/win32/win32_text.h"

#include <commctrl.h>

#include <cstdio>
#include <vector>

namespace kestrel::ui::win32 {

namespace {

constexpr UINT kSettleMs = 600;

struct Shooting {
    Win32Controls* controls = nullptr;
    std::wstring folder;
    const wchar_t* dialogFile = nullptr;
};
Shooting shooting;

// Lets the window draw what the last action changed.
void settle()
{
    const ULONGLONG until = GetTickCount64() + kSettleMs;
    MSG message{};
    while (GetTickCount64() < until) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(20);
    }
}

// An area of the screen, as a 24-bit BMP file.
void saveArea(const RECT& bounds, const std::wstring& file)
{
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    if (width <= 0 || height <= 0)
        return;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP picture = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, picture);
    BitBlt(memory, 0, 0, width, height, screen, bounds.left, bounds.top, SRCCOPY);
    SelectObject(memory, previous);

    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    const int stride = (width * 3 + 3) & ~3;
    std::vector<unsigned char> pixels(static_cast<std::size_t>(stride) * static_cast<std::size_t>(height));
    GetDIBits(memory, picture, 0, static_cast<UINT>(height), pixels.data(), reinterpret_cast<BITMAPINFO*>(&info),
              DIB_RGB_COLORS);
    DeleteObject(picture);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42;  // "BM"
    header.bfOffBits = sizeof header + sizeof info;
    header.bfSize = static_cast<DWORD>(header.bfOffBits + pixels.size());
    if (FILE* out = _wfopen(file.c_str(), L"wb")) {
        std::fwrite(&header, sizeof header, 1, out);
        std::fwrite(&info, sizeof info, 1, out);
        std::fwrite(pixels.data(), 1, pixels.size(), out);
        std::fclose(out);
    }
}

// The window's client area as it is on the screen.
void save(HWND window, const std::wstring& file)
{
    RECT bounds{};
    GetClientRect(window, &bounds);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&bounds), 2);
    saveArea(bounds, file);
}

HWND modalWindow()
{
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM result) {
            if (IsWindowVisible(window) && IsWindowEnabled(window) && GetWindow(window, GW_OWNER) != nullptr)
                *reinterpret_cast<HWND*>(result) = window;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// Opens a dialog with its button; a timer saves the dialog's picture and
// closes it, and the click returns.
void saveDialog(int button, const wchar_t* file)
{
    shooting.dialogFile = file;
    SetTimer(nullptr, 0, kSettleMs, [](HWND, UINT, UINT_PTR timer, DWORD) {
        HWND dialog = modalWindow();
        if (dialog == nullptr)
            return;
        KillTimer(nullptr, timer);
        save(dialog, shooting.folder + L"\\" + shooting.dialogFile);
        PostMessageW(dialog, WM_CLOSE, 0, 0);
    });
    SendMessageW(shooting.controls->handle(button), BM_CLICK, 0, 0);
}

// The damage layout as a quiz has it: 中級, a dealt damage typed (the dealt
// picture is the one in view at the window's first size), the tolerance box
// ticked (the bars' lighter parts).
void shootDamagePicture(HWND window)
{
    Win32Controls& controls = *shooting.controls;
    SendMessageW(controls.handle(id::kLayoutRadios[3]), BM_CLICK, 0, 0);
    SendMessageW(controls.handle(id::kClassRadios[1]), BM_CLICK, 0, 0);
    SetWindowTextW(controls.handle(id::kDealtLow), L"60");
    SendMessageW(controls.handle(id::kToleranceBox), BM_CLICK, 0, 0);
    settle();
    save(window, shooting.folder + L"\\damage-typed.bmp");
    SendMessageW(controls.handle(id::kToleranceBox), BM_CLICK, 0, 0);
}

// The window menu open, 常に手前に表示 ticked: a timer takes the window's top
// left corner with the menu from the screen and closes the menu, and the
// command that opened it returns; the tick is taken away again.
void shootWindowMenu(HWND window)
{
    SendMessageW(window, WM_SYSCOMMAND, MainFrame::kTopmostCommand, 0);
    settle();
    SetTimer(nullptr, 0, kSettleMs, [](HWND, UINT, UINT_PTR timer, DWORD) {
        KillTimer(nullptr, timer);
        RECT frame{};
        GetWindowRect(GetAncestor(shooting.controls->host(), GA_ROOT), &frame);
        saveArea({frame.left, frame.top, frame.left + 420, frame.top + 360}, shooting.folder + L"\\menu-window.bmp");
        EndMenu();
    });
    SendMessageW(window, WM_SYSCOMMAND, SC_KEYMENU, L' ');
    SendMessageW(window, WM_SYSCOMMAND, MainFrame::kTopmostCommand, 0);
}

// The first candidate's name searched for until it is the only one, then
// copied with the key's command; the notice line tells it.
void shootAnswer(HWND window)
{
    Win32Controls& controls = *shooting.controls;
    const std::wstring name = controls.cellText(kIdList, 0, 0);
    if (name.empty())
        return;
    SetWindowTextW(controls.handle(id::kSearchEdit), (L"＠" + name).c_str());
    settle();
    controls.runCommand(id::kCopyNameCommand);
    settle();
    save(window, shooting.folder + L"\\answer-copied.bmp");
}

void shoot()
{
    Win32Controls& controls = *shooting.controls;
    HWND window = GetAncestor(controls.host(), GA_ROOT);
    SetForegroundWindow(window);
    // 40 dealt leaves three candidates: the hint panel with its 違い table.
    // Then 60, for the layouts.
    if (HWND dealt = controls.handle(id::kDealtLow)) {
        SetFocus(dealt);
        SendMessageW(dealt, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"40"));
        settle();
        save(window, shooting.folder + L"\\main-hints.bmp");
        SendMessageW(dealt, EM_SETSEL, 0, -1);
        SendMessageW(dealt, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"60"));
    }
    const struct {
        int radio;
        const wchar_t* file;
    } layouts[] = {{id::kLayoutRadios[0], L"main-skills.bmp"},
                   {id::kLayoutRadios[1], L"main-location.bmp"},
                   {id::kLayoutRadios[2], L"main-trivia.bmp"},
                   {id::kLayoutRadios[3], L"main-damage.bmp"}};
    for (const auto& layout : layouts) {
        SendMessageW(controls.handle(layout.radio), BM_CLICK, 0, 0);
        settle();
        save(window, shooting.folder + L"\\" + layout.file);
    }
    shootDamagePicture(window);
    shootWindowMenu(window);
    shootAnswer(window);
    saveDialog(id::kChangeUser, L"dialog-user.bmp");
    saveDialog(id::kConfig, L"dialog-config.bmp");
    // 答え合わせ opens with the name of the row selected.
    if (HWND list = controls.handle(kIdList)) {
        LVITEMW item{};
        item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&item));
    }
    saveDialog(id::kAnswerCheck, L"dialog-answer.bmp");
    PostMessageW(window, WM_CLOSE, 0, 0);
}

}  // namespace

void shootFirstStartMessages(HWND window, const std::string& folder)
{
    static HWND watched = nullptr;
    static std::wstring into;
    static int shots = 0;
    watched = window;
    into = wideFromUtf8(folder);
    SetTimer(nullptr, 0, kSettleMs, [](HWND, UINT, UINT_PTR, DWORD) {
        static HWND lastBox = nullptr;
        HWND box = modalWindow();
        if (box == nullptr || box == watched || box == lastBox)
            return;
        lastBox = box;
        settle();
        RECT frame{}, message{}, both{};
        GetWindowRect(watched, &frame);
        GetWindowRect(box, &message);
        UnionRect(&both, &frame, &message);
        saveArea(both, into + L"\\first-start-" + std::to_wstring(++shots) + L".bmp");
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
}

void takeScreenshotsLater(Win32Controls& controls, const std::string& folder)
{
    shooting.controls = &controls;
    shooting.folder = wideFromUtf8(folder);
    CreateDirectoryW(shooting.folder.c_str(), nullptr);
    SetTimer(nullptr, 0, 2 * kSettleMs, [](HWND, UINT, UINT_PTR timer, DWORD) {
        KillTimer(nullptr, timer);
        shoot();
    });
}

}  // namespace kestrel::ui::win32

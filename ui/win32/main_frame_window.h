#pragma once
// The program's top-level window on Windows: it hosts the main window's
// controls, lays them out at the monitor's resolution, carries the window
// menu's items of our own and takes a definition file dropped onto it.

#include "ui/main_window/window.h"
#include "ui/win32/keyboard.h"
#include "ui/win32/win32_font.h"
#include "ui/win32/win32_host.h"
#include "ui/win32/win32_layout.h"
#include "ui/win32/win32_text.h"
#include "ui/texts/window_title.h"

#include <shellapi.h>

#include <cwctype>
#include <string>

namespace kestrel::ui::win32 {

// A dropped file the window opens: a .csv, in any case.
inline bool isDefinitionFile(const std::wstring& path)
{
    if (path.size() < 4)
        return false;
    std::wstring extension = path.substr(path.size() - 4);
    for (wchar_t& c : extension)
        c = static_cast<wchar_t>(std::towlower(c));
    return extension == L".csv";
}

class MainFrame : public HostWindow {
public:
    // The window menu's items of our own.
    static constexpr UINT kAboutCommand = 0x0010;
    static constexpr UINT kKeyListCommand = 0x0020;
    static constexpr UINT kCheckFileCommand = 0x0030;
    static constexpr UINT kHintPanelCommand = 0x0040;

    MainFrame() : HostWindow(nullptr, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, WS_EX_ACCEPTFILES | WS_EX_CONTROLPARENT)
    {
        applyDpi(dpiOf(window()));
        addMenuItems();
    }

    // The logic behind the window, once it has created its controls: lays them
    // out and routes the About item and dropped files to it. nullptr detaches.
    void attach(CKestrelDlg* dialog)
    {
        dialog_ = dialog;
        if (dialog_ == nullptr)
            return;
        controls().setFont(font_);
        installKeyboard(controls());
        controls().setOnHintPanel([this] { onHintPanelShown(); });
        const SIZE client = mainWindowSize(units_, controls().hintPanelShown());
        RECT frame{0, 0, client.cx, client.cy};
        AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, WS_EX_ACCEPTFILES | WS_EX_CONTROLPARENT);
        SetWindowPos(window(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        layOut();
    }

protected:
    LRESULT message(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message) {
        case WM_SIZE: layOut(); return 0;
        case WM_GETMINMAXINFO: {
            auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
            RECT frame{0, 0, 0, 0};
            const SIZE least = mainWindowMinimum(units_, controls().hintPanelShown());
            frame.right = least.cx, frame.bottom = least.cy;
            AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, WS_EX_ACCEPTFILES | WS_EX_CONTROLPARENT);
            limits->ptMinTrackSize = {frame.right - frame.left, frame.bottom - frame.top};
            return 0;
        }
        case WM_DPICHANGED: {
            applyDpi(HIWORD(wParam));
            controls().setFont(font_);
            const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(window(), nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                         suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
            layOut();
            return 0;
        }
        case WM_SYSCOMMAND:
            if (runMenuCommand(static_cast<UINT>(wParam & 0xFFF0)))
                return 0;
            break;
        case WM_DROPFILES: onDrop(reinterpret_cast<HDROP>(wParam)); return 0;
        default: break;
        }
        return HostWindow::message(message, wParam, lParam);
    }

    // The close box, Escape and Alt+F4 end the program; the logic saves as it
    // goes and once more, with the window's place, when it is taken down (the
    // window is still on screen then).
    void onClose() override { PostQuitMessage(0); }

private:
    void applyDpi(int dpi)
    {
        dpi_ = dpi;
        font_ = uiFont(dpi);
        units_ = baseUnitsOf(font_);
        controls().setDpi(dpi);
    }

    void layOut()
    {
        if (dialog_ == nullptr)
            return;
        RECT client{};
        GetClientRect(window(), &client);
        layOutMainWindow(controls(), {client.right, client.bottom}, dpi_);
        InvalidateRect(window(), nullptr, TRUE);
    }

    // The key list and the definition file check, then About, at the end of
    // the window menu (Windows has no other menu for them).
    void addMenuItems()
    {
        HMENU menu = GetSystemMenu(window(), FALSE);
        if (menu == nullptr)
            return;
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu, MF_STRING | MF_CHECKED, kHintPanelCommand, L"ヒント");
        AppendMenuW(menu, MF_STRING, kKeyListCommand, L"キー操作");
        AppendMenuW(menu, MF_STRING, kCheckFileCommand, L"定義ファイルの確認");
        if (const std::string about = aboutMenuText(); !about.empty())
            AppendMenuW(menu, MF_STRING, kAboutCommand, wideFromCp932(about).c_str());
    }

    bool runMenuCommand(UINT command)
    {
        if (command != kAboutCommand && command != kKeyListCommand && command != kCheckFileCommand &&
            command != kHintPanelCommand)
            return false;
        if (dialog_ == nullptr)
            return true;
        if (command == kHintPanelCommand)
            dialog_->onHintPanelCommand(!controls().hintPanelShown());
        else if (command == kAboutCommand)
            dialog_->onAboutCommand();
        else if (command == kKeyListCommand)
            dialog_->onKeyListCommand();
        else
            dialog_->onCheckDefinitionFile();
        controls().flush();
        return true;
    }

    // The hint panel shown or hidden: the window keeps its size, the bands and
    // the list take the room, and the menu item shows the state.
    void onHintPanelShown()
    {
        CheckMenuItem(GetSystemMenu(window(), FALSE), kHintPanelCommand,
                      MF_BYCOMMAND | (controls().hintPanelShown() ? MF_CHECKED : MF_UNCHECKED));
        RECT client{};
        GetClientRect(window(), &client);
        const SIZE least = mainWindowMinimum(units_, controls().hintPanelShown());
        if (client.right < least.cx) {
            RECT frame{0, 0, least.cx, client.bottom};
            AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, WS_EX_ACCEPTFILES | WS_EX_CONTROLPARENT);
            SetWindowPos(window(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        layOut();
    }

    // The shortcut table's keys click their controls as a click would; a key
    // without a control runs the logic's command.
    bool shortcut(UINT key) override
    {
        if (dialog_ == nullptr)
            return false;
        const int id = shortcutFor(key);
        if (id != 0 && controls().handle(id) == nullptr) {
            controls().command(id);  // a command of the window logic's own
            return true;
        }
        return id != 0 && controls().clickAsUser(id);
    }

    // The first .csv file among those dropped.
    void onDrop(HDROP drop)
    {
        const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
        std::wstring chosen;
        for (UINT i = 0; i < count && chosen.empty(); ++i) {
            const UINT length = DragQueryFileW(drop, i, nullptr, 0);
            std::wstring path(length + 1, L'\0');
            path.resize(DragQueryFileW(drop, i, path.data(), length + 1));
            if (isDefinitionFile(path))
                chosen = path;
        }
        DragFinish(drop);
        if (chosen.empty() || dialog_ == nullptr)
            return;
        SetForegroundWindow(window());
        dialog_->openDefinitionFile(utf8FromWide(chosen));
        controls().flush();
    }

    CKestrelDlg* dialog_ = nullptr;
    int dpi_ = 96;
    HFONT font_ = nullptr;
    BaseUnits units_{6, 13};
};

}  // namespace kestrel::ui::win32

// The control set's modal windows: message box, file-open dialog, child
// dialogs and the About box. Each runs a message loop of its own, so the lists'
// pending updates end before it opens (the view may paint meanwhile).

#include "ui/win32/win32_controls.h"

#include "ui/win32/win32_font.h"
#include "ui/win32/win32_host.h"
#include "ui/win32/win32_layout.h"
#include "ui/win32/win32_text.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

namespace kestrel::ui::win32 {

namespace {

UINT iconOf(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return MB_ICONINFORMATION;
    case MessageIcon::Error: return MB_ICONERROR;
    case MessageIcon::Question: return MB_ICONQUESTION;
    case MessageIcon::None: break;
    }
    return 0;
}

std::wstring titleOf(HWND window)
{
    const int length = GetWindowTextLengthW(window);
    std::wstring title(static_cast<std::size_t>(length) + 1, L'\0');
    title.resize(static_cast<std::size_t>(GetWindowTextW(window, title.data(), length + 1)));
    return title;
}

// A child dialog: a captioned window over its owner, which stays disabled
// while it is open.
class DialogWindow : public HostWindow {
public:
    explicit DialogWindow(HWND owner)
        // No WS_CLIPCHILDREN: the window paints the inside of its group frames.
        : HostWindow(owner, WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT)
    {
    }
    bool done = false;
    bool accepted = false;

protected:
    void onClose() override { done = true; }  // the close box and Escape cancel
};

// Centres a window of the given client size over its owner.
void placeOver(HWND window, HWND owner, SIZE client)
{
    RECT frame{0, 0, client.cx, client.cy};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)));
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    RECT around{};
    if (owner == nullptr || !GetWindowRect(owner, &around))
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &around, 0);
    const int x = std::max(0, static_cast<int>(around.left + (around.right - around.left - width) / 2));
    const int y = std::max(0, static_cast<int>(around.top + (around.bottom - around.top - height) / 2));
    SetWindowPos(window, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void Win32Controls::prepareModal()
{
    endPendingUpdates();
    HWND root = owner();
    if (showBeforeModal_ && root != nullptr && !IsWindowVisible(root)) {
        ShowWindow(root, SW_SHOWNORMAL);
        UpdateWindow(root);
    }
}

MessageAnswer Win32Controls::messageBox(std::string_view text, std::string_view caption, MessageButtons buttons,
                                        MessageIcon icon)
{
    prepareModal();
    HWND root = owner();
    const std::wstring title = caption.empty() ? titleOf(root) : wideFromCp932(caption);
    const UINT type = (buttons == MessageButtons::Ok ? MB_OK : MB_YESNOCANCEL) | iconOf(icon) | MB_APPLMODAL;
    switch (MessageBoxW(root, wideFromCp932(text).c_str(), title.c_str(), type)) {
    case IDYES: return MessageAnswer::Yes;
    case IDNO: return MessageAnswer::No;
    case IDOK: return MessageAnswer::Ok;
    default: return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
    }
}

std::optional<std::string> Win32Controls::chooseFile(std::string_view filterDescription, std::string_view pattern,
                                                     const std::string& initialPath)
{
    prepareModal();
    // "description\0pattern\0\0"
    std::wstring filter = wideFromCp932(filterDescription);
    filter.push_back(L'\0');
    filter += wideFromCp932(pattern);
    filter.push_back(L'\0');
    filter.push_back(L'\0');

    // A file path opens the dialog in its folder with the file selected.
    std::wstring start = wideFromUtf8(initialPath);
    std::replace(start.begin(), start.end(), L'/', L'\\');
    std::wstring folder;
    std::wstring name;
    const DWORD attributes = start.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(start.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        folder = start;
    } else if (const std::size_t slash = start.find_last_of(L'\\'); slash != std::wstring::npos) {
        folder = start.substr(0, slash);
        name = start.substr(slash + 1);
    } else {
        name = start;
    }
    std::vector<wchar_t> file(32768, L'\0');
    std::copy_n(name.begin(), std::min(name.size(), file.size() - 1), file.begin());

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner();
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrTitle = L"Refer...";
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameW(&dialog))
        return std::nullopt;
    return utf8FromWide(file.data());
}

bool Win32Controls::runModal(std::string_view caption, DialogLogic& dialog)
{
    prepareModal();
    HWND root = owner();
    DialogWindow box(root);
    SetWindowTextW(box.window(), wideFromCp932(caption).c_str());
    Win32Controls& child = box.controls();
    const int dpi = dpiOf(root);
    HFONT font = uiFont(dpi);
    child.setFont(font);
    child.setDpi(dpi);
    child.create(dialog.controls(), dialog);
    placeOver(box.window(), root, layOutDialog(child, dialog.templateId(), dpi));
    // OK, and the buttons that end the dialog as accepted, close it once their
    // own handler has run; Cancel, Escape and the close box cancel.
    child.setAfterClick([&box, &dialog, &child](int id) {
        if (child.kind(id) != ControlKind::Button || box.done)
            return;
        if (id == kIdOk || dialog.closesWithOk(id)) {
            dialog.onOk(child);
            box.accepted = true;
            box.done = true;
        } else if (id == kIdCancel) {
            box.done = true;
        }
    });
    dialog.onInit(child);
    child.flush();

    EnableWindow(root, FALSE);
    ShowWindow(box.window(), SW_SHOW);
    runMessageLoop(box.done);
    // The owner takes the activation back before the dialog goes.
    EnableWindow(root, TRUE);
    SetActiveWindow(root);
    ShowWindow(box.window(), SW_HIDE);
    return box.accepted;
}

void Win32Controls::showAbout(std::string_view caption, const std::vector<std::string>& lines)
{
    prepareModal();
    std::wstring text;
    for (const std::string& line : lines) {
        if (!text.empty())
            text += L"\n";
        text += wideFromCp932(line);
    }
    const std::wstring title = wideFromCp932(caption);
    MSGBOXPARAMSW box{};
    box.cbSize = sizeof box;
    box.hwndOwner = owner();
    box.hInstance = GetModuleHandleW(nullptr);
    box.lpszText = text.c_str();
    box.lpszCaption = title.c_str();
    // The program's own icon when it has one, else the information sign.
    const bool ownIcon = FindResourceW(box.hInstance, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(14)) != nullptr;
    box.dwStyle = MB_OK | MB_APPLMODAL | (ownIcon ? MB_USERICON : MB_ICONINFORMATION);
    box.lpszIcon = ownIcon ? MAKEINTRESOURCEW(1) : nullptr;
    MessageBoxIndirectW(&box);
}

}  // namespace kestrel::ui::win32

namespace kestrel::ui::win32 {

// A long text in a read-only field that scrolls, with an OK button.
void Win32Controls::showReport(std::string_view caption, std::string_view text)
{
    prepareModal();
    HWND root = owner();
    DialogWindow box(root);
    SetWindowTextW(box.window(), wideFromCp932(caption).c_str());
    const int dpi = dpiOf(root);
    HFONT font = uiFont(dpi);
    const BaseUnits u = baseUnitsOf(font);
    // Windows' edit fields break lines at "\r\n".
    std::wstring lines;
    for (wchar_t c : wideFromCp932(text)) {
        if (c == L'\n')
            lines += L"\r\n";
        else
            lines.push_back(c);
    }
    const SIZE client{duToX(320, u), duToY(220, u)};
    HWND field = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", lines.c_str(),
                                 WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE |
                                     ES_READONLY | ES_AUTOVSCROLL | ES_AUTOHSCROLL,
                                 duToX(7, u), duToY(7, u), client.cx - duToX(14, u), client.cy - duToY(32, u),
                                 box.window(), nullptr, GetModuleHandleW(nullptr), nullptr);
    Win32Controls& child = box.controls();
    child.setFont(font);
    SendMessageW(field, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    struct Ok : DialogLogic {
        std::vector<ControlSpec> controls() const override { return {{kIdOk, ControlKind::Button, "OK"}}; }
        void onInit(Controls&) override {}
        void onOk(Controls&) override {}
    } ok;
    child.create(ok.controls(), ok);
    MoveWindow(child.handle(kIdOk), client.cx - duToX(57, u), client.cy - duToY(21, u), duToX(50, u), duToY(14, u),
               FALSE);
    child.setAfterClick([&box](int id) { box.done = box.done || id == kIdOk; });
    placeOver(box.window(), root, client);
    EnableWindow(root, FALSE);
    ShowWindow(box.window(), SW_SHOW);
    SetFocus(child.handle(kIdOk));
    runMessageLoop(box.done);
    EnableWindow(root, TRUE);
    SetActiveWindow(root);
    ShowWindow(box.window(), SW_HIDE);
}

}  // namespace kestrel::ui::win32

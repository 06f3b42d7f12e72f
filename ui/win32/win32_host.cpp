#include "ui/win32/win32_host.h"

#include <cwchar>

namespace kestrel::ui::win32 {

namespace {

constexpr const wchar_t* kHostClass = L"KestrelHost";

void registerClass()
{
    static const bool registered = [] {
        WNDCLASSEXW cls{};
        cls.cbSize = sizeof cls;
        cls.lpfnWndProc = DefWindowProcW;  // replaced per window once its object is known
        cls.hInstance = GetModuleHandleW(nullptr);
        cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        cls.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        cls.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
        cls.lpszClassName = kHostClass;
        return RegisterClassExW(&cls) != 0;
    }();
    (void)registered;
}

// A window of ours: the program's hosts, or a control set's own.
bool isHost(HWND window)
{
    wchar_t name[32] = {};
    return window != nullptr && GetClassNameW(window, name, 32) > 0 &&
           (std::wcscmp(name, kHostClass) == 0 || std::wcscmp(name, L"KestrelControls") == 0);
}

bool isPushButton(HWND window)
{
    wchar_t name[16] = {};
    if (window == nullptr || GetClassNameW(window, name, 16) == 0 || _wcsicmp(name, L"Button") != 0)
        return false;
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    const LONG_PTR type = style & BS_TYPEMASK;
    return (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) && (style & BS_PUSHLIKE) == 0;
}

}  // namespace

HostWindow::HostWindow(HWND owner, DWORD style, DWORD exStyle)
{
    registerClass();
    window_ = CreateWindowExW(exStyle, kHostClass, L"", style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, owner, nullptr, GetModuleHandleW(nullptr), nullptr);
    controls_ = new Win32Controls(window_);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HostWindow::windowProc));
}

HostWindow::~HostWindow()
{
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DefWindowProcW));
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    delete controls_;
    DestroyWindow(window_);
}

LRESULT CALLBACK HostWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<HostWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    LRESULT result = 0;
    if (self->controls_->handleMessage(message, wParam, lParam, result))
        return result;
    return self->message(message, wParam, lParam);
}

LRESULT HostWindow::message(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CLOSE) {
        onClose();
        return 0;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

bool preTranslate(MSG& message)
{
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN && message.message != WM_CHAR)
        return false;
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    if (!isHost(root))
        return false;
    if (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) {
        wchar_t name[32] = {};
        GetClassNameW(root, name, 32);
        auto* host = std::wcscmp(name, kHostClass) == 0
                         ? reinterpret_cast<HostWindow*>(GetWindowLongPtrW(root, GWLP_USERDATA))
                         : nullptr;
        if (host != nullptr && host->shortcut(static_cast<UINT>(message.wParam)))
            return true;
    }
    if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) {
        // Escape closes the window as its close box does.
        PostMessageW(root, WM_CLOSE, 0, 0);
        return true;
    }
    // Enter presses the push button that has the focus, and nothing else: no
    // window ends with it, an edit takes it as nothing.
    if (message.wParam == VK_RETURN && message.message == WM_KEYDOWN) {
        if (!isPushButton(message.hwnd))
            return false;
        SendMessageW(message.hwnd, BM_CLICK, 0, 0);
        return true;
    }
    if (message.wParam == L'\r' && message.message == WM_CHAR)
        return false;
    return IsDialogMessageW(root, &message) != FALSE;
}

bool runMessageLoop(const bool& done)
{
    MSG message{};
    while (!done) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        if (got < 0)
            return false;
        if (!preTranslate(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return true;
}

int runMessageLoop()
{
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!preTranslate(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

}  // namespace kestrel::ui::win32

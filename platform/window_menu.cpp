#include "platform/window_menu.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace kestrel {

#ifdef _WIN32

bool appendWindowMenuItem(std::uintptr_t window, unsigned command, const std::string& utf8Text)
{
    HMENU menu = GetSystemMenu(reinterpret_cast<HWND>(window), FALSE);
    if (menu == nullptr)
        return false;
    const int length = static_cast<int>(utf8Text.size());
    std::wstring wide(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8Text.data(), length, nullptr, 0)),
                      L'\0');
    if (!wide.empty())
        MultiByteToWideChar(CP_UTF8, 0, utf8Text.data(), length, wide.data(), static_cast<int>(wide.size()));
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, command, wide.c_str());
    return true;
}

bool isWindowMenuCommand(const void* message, unsigned command)
{
    const MSG* msg = static_cast<const MSG*>(message);
    return msg != nullptr && msg->message == WM_SYSCOMMAND && (msg->wParam & 0xFFF0) == command;
}

#else

bool appendWindowMenuItem(std::uintptr_t, unsigned, const std::string&) { return false; }

bool isWindowMenuCommand(const void*, unsigned) { return false; }

#endif

}  // namespace kestrel

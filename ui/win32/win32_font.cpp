#include "ui/win32/win32_font.h"

#include <cwchar>
#include <map>

namespace kestrel::ui::win32 {

namespace {

constexpr int kPointSize = 9;
constexpr const wchar_t* kJapaneseFaces[] = {L"Yu Gothic UI", L"Meiryo UI", L"MS UI Gothic"};
// A logical face every system maps to its own dialog font.
constexpr const wchar_t* kFallbackFace = L"MS Shell Dlg 2";

int CALLBACK noteFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found)
{
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool faceExists(const wchar_t* face)
{
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    std::wcsncpy(query.lfFaceName, face, LF_FACESIZE - 1);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &query, noteFace, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

const wchar_t* chosenFace()
{
    static const wchar_t* const face = [] {
        for (const wchar_t* candidate : kJapaneseFaces) {
            if (faceExists(candidate))
                return candidate;
        }
        return kFallbackFace;
    }();
    return face;
}

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);

HFONT fontOf(int height, int weight)
{
    static std::map<std::pair<int, int>, HFONT> fonts;
    HFONT& font = fonts[{height, weight}];
    if (font == nullptr) {
        LOGFONTW description{};
        description.lfHeight = height;
        description.lfWeight = weight;
        description.lfCharSet = DEFAULT_CHARSET;
        description.lfQuality = CLEARTYPE_QUALITY;
        std::wcsncpy(description.lfFaceName, chosenFace(), LF_FACESIZE - 1);
        font = CreateFontIndirectW(&description);
    }
    return font;
}

}  // namespace

HFONT uiFont(int dpi, int extraPoints, bool bold)
{
    return fontOf(-MulDiv(kPointSize + extraPoints, dpi, 72), bold ? FW_BOLD : FW_NORMAL);
}

HFONT uiFontOfPixels(int pixels) { return fontOf(-pixels, FW_NORMAL); }

BaseUnits baseUnitsOf(HFONT font)
{
    HDC screen = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(screen, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen, &metrics);
    // The average width as dialog boxes take it: the 52 letters of the alphabet.
    SIZE letters{};
    const wchar_t* alphabet = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    GetTextExtentPoint32W(screen, alphabet, 52, &letters);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    const int width = static_cast<int>((letters.cx / 26 + 1) / 2);
    return {width > 0 ? width : 6, metrics.tmHeight > 0 ? static_cast<int>(metrics.tmHeight) : 13};
}

int dpiOf(HWND window)
{
    // Windows 10 1607 and later know each monitor's resolution; earlier ones
    // have one for the whole screen.
    static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (getDpiForWindow != nullptr && window != nullptr) {
        const UINT dpi = getDpiForWindow(window);
        if (dpi > 0)
            return static_cast<int>(dpi);
    }
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

}  // namespace kestrel::ui::win32

#include "ui/win32/main_frame.h"

#include "ui/win32/main_frame_window.h"

#include "ui/main_window/window.h"
#include "ui/win32/screenshots.h"
#include "ui/win32/win32_text.h"

#include <commctrl.h>

namespace kestrel::ui::win32 {

namespace {

std::wstring environment(const wchar_t* name)
{
    wchar_t value[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableW(name, value, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(value, length) : std::wstring();
}

}  // namespace

void showProgramMessage(const std::string& utf8, bool error)
{
    MessageBoxW(nullptr, wideFromUtf8(utf8).c_str(), L"kestrel", MB_OK | (error ? MB_ICONERROR : MB_ICONINFORMATION));
}

int runMainWindow(const MainWindowOptions& options)
{
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);

    MainFrame frame;
    int status = 0;
    {
        CKestrelDlg dialog(frame.controls(), options.settingsPath);
        dialog.setFallbackDefinitionFile(options.sampleFile);
        frame.attach(&dialog);
        // The start-up messages open over the window, never before it.
        frame.controls().setWindowShownBeforeModals(true);
        if (const std::wstring folder = environment(L"KESTREL_SCREENSHOT_FIRST"); !folder.empty())
            shootFirstStartMessages(frame.window(), utf8FromWide(folder));
        // A file argument is the only definition file loaded at start.
        dialog.OnInitDialog(options.definitionFile);
        frame.controls().flush();
        ShowWindow(frame.window(), SW_SHOWNORMAL);
        UpdateWindow(frame.window());
        if (const std::wstring folder = environment(L"KESTREL_SCREENSHOT"); !folder.empty())
            takeScreenshotsLater(frame.controls(), utf8FromWide(folder));
        status = runMessageLoop();
        frame.attach(nullptr);
    }  // the dialog saves the settings as it goes
    return status;
}

}  // namespace kestrel::ui::win32

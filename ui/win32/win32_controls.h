#pragma once
// The control set on Win32 common controls: one child window per control
// identifier, with the same notification rules as the in-memory set: setting an
// edit's text raises its change notification at once, also when the text is
// unchanged; a user's click runs the handler after the check state has changed
// (radio buttons are made exclusive here, by group number); setChecked never
// runs a handler. Texts cross between code page 932 (the logic) and UTF-16
// (Windows) here and nowhere else.
//
// The window that hosts the controls passes its WM_COMMAND, WM_NOTIFY,
// WM_CTLCOLORSTATIC and kFlushMessage on to handleMessage.

#include "ui/controls.h"

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kestrel::ui::win32 {

struct Control;

class Win32Controls : public Controls {
public:
    // Posted to the host window when a posted focus request or a list update
    // waits outside any event.
    static constexpr UINT kFlushMessage = WM_APP + 0x4B;

    // The controls become children of host.
    explicit Win32Controls(HWND host);
    // The controls get a hidden top-level window of their own as host.
    Win32Controls();
    ~Win32Controls() override;
    Win32Controls(const Win32Controls&) = delete;
    Win32Controls& operator=(const Win32Controls&) = delete;

    // Controls.
    void create(const std::vector<ControlSpec>& items, ControlEvents& events) override;
    std::string text(int id) const override;
    void setText(int id, std::string_view text) override;
    bool checked(int id) const override;
    void setChecked(int id, bool checked) override;
    bool enabled(int id) const override;
    void setEnabled(int id, bool enabled) override;
    void setToolTip(int id, std::string_view text) override;
    void setFocus(int id) override;
    void postFocus(int id) override;
    void setColumns(int id, const std::vector<ListColumn>& columns) override;
    void deleteAllRows(int id) override;
    void appendRow(int id, const std::vector<std::string>& cells) override;
    void replaceRows(int id, std::vector<std::vector<std::string>> rows) override;
    std::vector<int> columnWidths(int id) const override;
    std::optional<WindowRect> windowRect() const override;
    void setWindowRect(const WindowRect& rect) override;
    MessageAnswer messageBox(std::string_view text, std::string_view caption, MessageButtons buttons,
                             MessageIcon icon) override;
    std::optional<std::string> chooseFile(std::string_view filterDescription, std::string_view pattern,
                                          const std::string& initialPath) override;
    bool runModal(std::string_view caption, DialogLogic& dialog) override;
    void showHintPanel(bool shown) override;
    void setTitle(std::string_view title) override;
    void showNotice(std::string_view text) override;
    void showAbout(std::string_view caption, const std::vector<std::string>& lines) override;
    void showReport(std::string_view caption, std::string_view text) override;

    // A message the host window received; true (with its result) when it was
    // one of the controls'.
    bool handleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Ends the lists' pending updates and runs a posted focus request; runs after
    // every outermost event and must be called once after the start-up sequence.
    void flush();

    HWND host() const { return host_; }
    // The child window of a control identifier (nullptr for an unknown one).
    HWND handle(int id) const;
    // Every identifier, in creation order.
    const std::vector<int>& ids() const { return order_; }
    ControlKind kind(int id) const;
    // The line where notices appear (hidden until the first); the layout places it.
    HWND noticeLine() const { return notice_; }
    // What a user's click does, for a key that stands for one: nothing while
    // the control is disabled or hidden; false then.
    bool clickAsUser(int id);
    // A key of the shortcut table that has no control: the logic's command.
    void command(int id);
    // A click on the control leaves the keyboard focus where it was.
    void keepFocusOnClick(int id);
    // Shows a text as the caption of a group frame at pixels (the text itself
    // is hidden).
    void showAsFrame(int id, RECT pixels);
    // Frames and lines drawn between the controls (no controls themselves):
    // each a rectangle in pixels, vertical for a line.
    struct Drawn {
        RECT pixels;
        bool verticalLine;
    };
    void setDecorations(const std::vector<Drawn>& drawn);
    // A control's own font (the layout's font roles; owned by the caller).
    void setControlFont(int id, HFONT font);
    // Whether the hint panel is shown, and who lays the window out again when
    // that changes.
    bool hintPanelShown() const { return hintPanelShown_; }
    void setOnHintPanel(std::function<void()> changed) { onHintPanel_ = std::move(changed); }
    // The font every control draws with (owned by the caller).
    void setFont(HFONT font);
    // Screen dots per inch, for the list's column widths (given at 96).
    void setDpi(int dpi);
    // Runs after a button's own handler (and the flush after it) when set.
    void setAfterClick(std::function<void(int)> afterClick) { afterClick_ = std::move(afterClick); }
    // Rows a list holds (for the window's own use; not yet shown while an
    // update is pending).
    std::size_t rowCount(int id) const;
    // The text a list shows in a cell: empty outside its rows.
    std::wstring cellText(int id, int row, int column) const;

private:
    Control* find(int id) const;
    Control* findWindow(HWND window) const;
    HWND createWindow(const ControlSpec& item);
    void dispatch(const std::function<void()>& handler);
    void onCommand(Control& control, int code);
    void onButtonClicked(Control& control);
    bool onNotify(const NMHDR& header, LRESULT& result);
    void uncheckGroup(int group, int except);
    void endPendingUpdates();
    bool pending() const;
    void flushLater();
    HWND owner() const;
    void addToolTip(Control& control, const std::wstring& text);

    HWND host_;
    std::map<int, std::unique_ptr<Control>> controls_;
    std::vector<int> order_;
    std::vector<HWND> retired_;  // windows of an earlier create, destroyed at the next flush
    ControlEvents* events_ = nullptr;
    int depth_ = 0;
    std::optional<int> postedFocus_;
    bool flushPosted_ = false;
    HWND notice_ = nullptr;
    HWND toolTips_ = nullptr;
    HFONT font_ = nullptr;
    int dpi_ = 96;
    std::function<void(int)> afterClick_;
    bool ownsHost_ = false;
    std::vector<HWND> decorations_;
    bool hintPanelShown_ = true;
    std::function<void()> onHintPanel_;
};

}  // namespace kestrel::ui::win32

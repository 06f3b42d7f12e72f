#pragma once
// The control set held in memory: what the tests and the scenario runner drive
// the window logic with. User actions (type, key, click) go through the same
// rules as a real window: a disabled control takes none, a check box toggles
// before its handler runs, a radio button checks itself and unchecks its group,
// and a posted focus request runs after the action's handler has returned.

#include "ui/controls.h"

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kestrel::ui {

// How the next modal child dialog is filled and closed.
struct DialogScript {
    bool ok = false;
    std::vector<std::pair<int, std::string>> fills;  // edit text, or "1"/"0" for a check or radio
    std::vector<int> clicks;                         // buttons clicked before closing
};

struct ShownMessage {
    std::string text;
    std::string caption;
    MessageButtons buttons;
    MessageIcon icon;
};

class MemoryControls : public Controls {
public:
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
    void setListPictures(int id, std::vector<ListPicture> pictures) override;
    int selectedRow(int id) const override;
    std::string listCell(int id, int row, int column) const override;
    // Held as set: there are no screens to fit it on.
    std::optional<WindowRect> windowRect() const override { return windowRect_; }
    void setWindowRect(const WindowRect& rect) override { windowRect_ = rect; }
    MessageAnswer messageBox(std::string_view text, std::string_view caption, MessageButtons buttons,
                             MessageIcon icon) override;
    std::optional<std::string> chooseFile(std::string_view filterDescription, std::string_view pattern,
                                          const std::string& initialPath) override;
    bool runModal(std::string_view caption, DialogLogic& dialog) override;
    void setTitle(std::string_view title) override;
    void showNotice(std::string_view text) override;
    void showAbout(std::string_view caption, const std::vector<std::string>& lines) override;
    // Recorded among the shown messages, without taking an answer.
    void showReport(std::string_view caption, std::string_view text) override;
    void setTopmost(bool topmost) override { topmost_ = topmost; }
    void copyToClipboard(std::string_view text) override { clipboard_.assign(text); }
    // Recorded among the opened documents; no program starts.
    bool openDocument(const std::string& path) override;

    // User actions; each returns false when the control does not exist, is
    // disabled or is of a kind that does not take the action. Typing puts the
    // keyboard focus in the edit first, as only the edit that has it takes keys.
    bool type(int id, std::string_view text);  // replaces an edit's whole text
    bool key(int id, char c);                  // appends one character to an edit
    bool focusByUser(int id);                  // Tab or a click into the control
    bool click(int id);
    bool clickHeader(int id, int column);              // a column header of a list
    bool resizeColumn(int id, int column, int width);  // drags a column's edge
    bool selectRow(int id, int row);                   // a click on a row (-1: none)
    bool activateRow(int id, int row);                 // a double click on a row
    // A menu item or key of the window that belongs to no control.
    bool command(int id);

    // Runs a focus request posted outside any user action (during start-up, say)
    // now, as the window system does once the call that posted it is over.
    void flushPostedFocus();

    // Answers for what the logic will ask next. An empty queue answers a message
    // box as a user pressing Enter would: OK, or Yes when it has Yes/No/Cancel.
    // An answer the box does not have closes it with its default button (OK or
    // Yes). An empty queue cancels a file dialog and a modal dialog.
    void queueAnswer(MessageAnswer answer);
    void queueFile(std::optional<std::string> path);
    void queueDialog(DialogScript script);

    // What the user sees.
    bool exists(int id) const;
    ControlKind kind(int id) const;
    int focus() const { return focus_; }
    const std::string& title() const { return title_; }
    std::string toolTip(int id) const;
    // How often the control has had to be drawn again: a new text, check or
    // enabled state; the same value set again redraws nothing.
    int redraws(int id) const;
    const std::vector<ListColumn>& columns(int id) const;
    const std::vector<std::vector<std::string>>& rows(int id) const;
    std::deque<ShownMessage>& shownMessages() { return shown_; }
    const std::vector<std::string>& notices() const { return notices_; }
    // The notice on show now; empty once an empty notice has taken it away.
    const std::string& currentNotice() const { return currentNotice_; }
    int aboutShown() const { return aboutShown_; }
    const std::vector<ListPicture>& pictures(int id) const;
    bool topmost() const { return topmost_; }
    // The clipboard's text (code page 932 here; Unicode in a real window).
    const std::string& clipboard() const { return clipboard_; }
    const std::vector<std::string>& openedDocuments() const { return opened_; }
    // Captions of the modal dialogs opened so far, in order.
    const std::vector<std::string>& dialogsRun() const { return dialogsRun_; }

private:
    struct Control {
        ControlSpec item;
        std::string text;
        bool checked = false;
        bool enabled = true;
        std::string toolTip;
        int redraws = 0;
        std::vector<ListColumn> columns;
        std::vector<std::vector<std::string>> rows;
        std::vector<ListPicture> pictures;
        int selected = -1;
    };
    Control* find(int id);
    const Control* find(int id) const;
    // Runs a user action, then the focus request it posted.
    template <typename Action>
    bool userAction(Action action);

    std::map<int, Control> controls_;
    ControlEvents* events_ = nullptr;
    int focus_ = 0;
    std::optional<int> postedFocus_;
    int actionDepth_ = 0;
    std::string title_;
    std::deque<MessageAnswer> answers_;
    std::deque<std::optional<std::string>> files_;
    std::deque<DialogScript> dialogs_;
    std::deque<ShownMessage> shown_;
    std::vector<std::string> notices_;
    std::string currentNotice_;
    std::vector<std::string> dialogsRun_;
    int aboutShown_ = 0;
    std::optional<WindowRect> windowRect_;
    bool topmost_ = false;
    std::string clipboard_;
    std::vector<std::string> opened_;
};

}  // namespace kestrel::ui

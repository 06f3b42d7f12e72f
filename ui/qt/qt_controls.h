#pragma once
// The control set on Qt 6 widgets: one real widget per control identifier, with
// objectName "id<number>", and the same notification rules as the in-memory set:
// setting an edit's text raises its change notification at once, also when the
// text is unchanged; a user's click runs the handler after the check state has
// changed; setChecked never runs a handler. Texts cross between code page 932
// (the logic) and Unicode (Qt) here and nowhere else.

#include "ui/controls.h"

#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

class QLabel;

namespace kestrel::ui {

class CandidateTableModel;

class QtControls : public QWidget, public Controls {
    Q_OBJECT
public:
    explicit QtControls(QWidget* parent = nullptr);
    ~QtControls() override;

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

    // A key of the shortcut table that has no control: the logic's command.
    void command(int id);
    // The widget created for a control identifier (nullptr for an unknown one),
    // for the layouts.
    QWidget* widget(int id) const;
    // The line where notices appear; the window's layout places it.
    QLabel* noticeLine() const;
    // The widget holding the hint panel, which showHintPanel shows or hides.
    void setHintPanel(QWidget* panel);
    bool hintPanelShown() const;
    // Ends the list's pending model reset; runs after every outermost event
    // and must be called once after the start-up sequence.
    void flush();
    // Whether a message box or dialog first shows the window the controls are
    // in while it is still hidden (a program's window during its start-up), so
    // that no box appears without its window behind it.
    void setWindowShownBeforeModals(bool shown) { showBeforeModal_ = shown; }

signals:
    // The hint panel was shown or hidden by the window logic.
    void hintPanelToggled(bool shown);

private:
    struct Control;
    void dispatch(const std::function<void()>& handler);
    void uncheckGroup(int group, int except);
    Control* find(int id) const;
    // The steps of create(): the old widgets go, each control gets its widget
    // and its signals.
    void removeControls();
    std::unique_ptr<Control> makeControl(const ControlSpec& item);
    void makeWidget(Control& control);
    void connectButton(const Control& control);
    void clicked(int id);
    // Ends every list's pending model reset (before a nested event loop, too).
    void endPendingResets();
    // Before a modal box or dialog: the pending resets end, the window shows.
    void prepareModal();
    // Runs flush() from the event loop when something waits outside any event.
    void flushLaterIfPending();

    std::map<int, std::unique_ptr<Control>> controls_;
    ControlEvents* events_ = nullptr;
    int depth_ = 0;
    QLabel* notice_ = nullptr;
    QWidget* hintPanel_ = nullptr;
    std::optional<int> postedFocus_;
    bool flushPosted_ = false;
    bool showBeforeModal_ = false;
};

// Arranges the widgets of a window or dialog by its description: the main
// window with its bands and hint panel, the dialogs by their templates.
void layOutMainWindow(QtControls& controls);
void layOutDialog(QtControls& controls, int templateId);

}  // namespace kestrel::ui

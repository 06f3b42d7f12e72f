#pragma once
// The window system as the window logic sees it: a set of controls addressed by
// numeric identifier. The logic runs on any implementation of it: the in-memory
// one of the tests and the scenario runner, or the Qt widgets of the program.
//
// Texts are code page 932 bytes. Setting an edit's text raises that edit's change
// notification at once, before setText returns, whether or not the text changed
// (the window logic relies on this re-entry). Setting a check state raises no
// notification; only a user's click does. A text, check state, enabled state,
// tooltip or set of rows the same as the one shown leaves the control as drawn.

#include "catalogue/message_icon.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrel::ui {

enum class ControlKind {
    Static,     // a text; may be clickable (the weapon name)
    Edit,       // single-line edit with change notifications
    Button,     // push button (also the icon buttons)
    CheckBox,   // check box; a click toggles it, then runs the handler
    Radio,      // radio button; a click checks it and unchecks its group first
    PushCheck,  // push-like toggle button (family exclude row)
    PushRadio,  // push-like radio button (family confirm row)
    List,       // report-style list view
};

struct ControlSpec {
    int id;
    ControlKind kind;
    std::string caption;  // code page 932
    int group = 0;        // radio buttons of one group share a non-zero number
};

enum class Align { Left, Right, Centre };

struct ListColumn {
    std::string header;  // code page 932
    int width;           // pixels
    Align align;
    std::string toolTip = {};  // code page 932: what the column's markers mean; empty for none
};

// One row of a list column drawn as a picture: a bar over the values from low
// to high, of which solidLow..solidHigh is drawn full and the rest lighter.
// A row that is not known shows no bar but a "?" in its middle.
struct PictureBar {
    bool known = false;
    std::int64_t low = 0;
    std::int64_t high = 0;
    std::int64_t solidLow = 0;
    std::int64_t solidHigh = 0;
    friend bool operator==(const PictureBar&, const PictureBar&) = default;
};

// A list column drawn as a picture instead of its text: every row's bar on one
// axis shared by the whole column (from axisLow on its left edge to axisHigh on
// its right), and thin lines through the whole column at the marked values.
struct ListPicture {
    int column = 0;
    std::int64_t axisLow = 0;
    std::int64_t axisHigh = 0;
    std::vector<std::int64_t> marks;
    std::vector<PictureBar> bars;  // one per row, in row order
    friend bool operator==(const ListPicture&, const ListPicture&) = default;
};

// Where value lies in a picture column whose axis spans width pixels from
// left: the axis's ends on the first and last pixel, a value outside it beyond
// them (an axis of one value puts it in the middle).
inline int picturePixel(const ListPicture& picture, std::int64_t value, int left, int width)
{
    if (picture.axisHigh <= picture.axisLow)
        return left + width / 2;
    const double share =
        static_cast<double>(value - picture.axisLow) / static_cast<double>(picture.axisHigh - picture.axisLow);
    const double clamped = share < -1.0 ? -1.0 : share > 2.0 ? 2.0 : share;
    return left + static_cast<int>(clamped * (width - 1) + 0.5);
}

// A window's place on the screen in pixels: its top-left corner and size.
struct WindowRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const WindowRect&, const WindowRect&) = default;
};

enum class MessageButtons { Ok, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

// What the window logic does when the user acts on a control.
class ControlEvents {
public:
    virtual ~ControlEvents() = default;
    virtual void onTextChanged(int id) = 0;                      // an edit's text changed (typed or set)
    virtual void onClicked(int id) = 0;                          // a button, check box, radio or clickable static
    virtual void onHeaderClicked(int /*id*/, int /*column*/) {}  // a list's column header
    virtual void onRowActivated(int /*id*/, int /*row*/) {}      // a list's row double-clicked
    // An edit took the keyboard focus, from the user (a click, Tab, typing) or
    // from setFocus; reported when the focus arrives, not again while it stays.
    virtual void onFocused(int /*id*/) {}
    // A command of the window that belongs to no control: a menu item or a key
    // of the shortcut table.
    virtual void onCommand(int /*id*/) {}
};

class Controls;

// The logic of a modal child dialog (user settings, Config): its controls, what
// it shows when it opens and what it reads back when it closes with OK.
class DialogLogic : public ControlEvents {
public:
    virtual std::vector<ControlSpec> controls() const = 0;
    virtual void onInit(Controls& controls) = 0;
    virtual void onOk(Controls& controls) = 0;
    // The dialog template the controls come from (how a window system lays them out).
    virtual int templateId() const { return 0; }
    // Whether a click on this button (besides OK) ends the dialog as accepted,
    // after the click's handler has run.
    virtual bool closesWithOk(int /*id*/) const { return false; }
    void onTextChanged(int) override {}
    void onClicked(int) override {}
};

inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

class Controls {
public:
    virtual ~Controls() = default;

    // Creates the controls of a window (before any other call), and names the
    // logic that receives their events.
    virtual void create(const std::vector<ControlSpec>& items, ControlEvents& events) = 0;

    virtual std::string text(int id) const = 0;
    virtual void setText(int id, std::string_view text) = 0;
    virtual bool checked(int id) const = 0;
    virtual void setChecked(int id, bool checked) = 0;
    virtual bool enabled(int id) const = 0;
    virtual void setEnabled(int id, bool enabled) = 0;
    // The text shown when the pointer rests on a control; empty for none. A
    // window system without tooltips may leave this as it is.
    virtual void setToolTip(int /*id*/, std::string_view /*text*/) {}

    virtual void setFocus(int id) = 0;
    // Moves the focus to id once the current handler has returned.
    virtual void postFocus(int id) = 0;

    // The report-style list: replaces every column, deletes every row, appends a row.
    virtual void setColumns(int id, const std::vector<ListColumn>& columns) = 0;
    virtual void deleteAllRows(int id) = 0;
    virtual void appendRow(int id, const std::vector<std::string>& cells) = 0;
    // Every row at once: the same as deleting every row and appending each of
    // these, which a window system may take over without copying them.
    virtual void replaceRows(int id, std::vector<std::vector<std::string>> rows)
    {
        deleteAllRows(id);
        for (const std::vector<std::string>& row : rows)
            appendRow(id, row);
    }
    // The widths a list's columns have now (the user may have resized them);
    // empty where the window system tells none.
    virtual std::vector<int> columnWidths(int /*id*/) const { return {}; }
    // The columns of a list drawn as pictures (none: every column shows its
    // text); the rows' bars follow the rows as they were last filled.
    virtual void setListPictures(int /*id*/, std::vector<ListPicture> /*pictures*/) {}
    // The row of a list the player has selected; -1 for none.
    virtual int selectedRow(int /*id*/) const { return -1; }
    // A cell of a list as it was filled; empty outside its rows and columns.
    virtual std::string listCell(int /*id*/, int /*row*/, int /*column*/) const { return {}; }

    // The place of the window the controls are in; nullopt where the window
    // system tells none or the window has never been on screen.
    virtual std::optional<WindowRect> windowRect() const { return std::nullopt; }
    // Puts that window at rect, or as near as the screens there are let the
    // player reach it.
    virtual void setWindowRect(const WindowRect& /*rect*/) {}

    // Modal message box; returns the button that closed it. An empty caption
    // means the program's own title.
    virtual MessageAnswer messageBox(std::string_view text, std::string_view caption, MessageButtons buttons,
                                     MessageIcon icon) = 0;
    // File-open dialog for definition files, opening at initialPath; the chosen
    // path in the file system's encoding, or nullopt when cancelled.
    virtual std::optional<std::string> chooseFile(std::string_view filterDescription, std::string_view pattern,
                                                  const std::string& initialPath) = 0;

    // Runs a modal child dialog with its own controls; true when it closed with
    // OK (after dialog.onOk has read them), false when cancelled.
    virtual bool runModal(std::string_view caption, DialogLogic& dialog) = 0;

    // Shows or hides the hint panel beside the list; a window system without
    // one leaves this as it is.
    virtual void showHintPanel(bool /*shown*/) {}
    // Keeps the window above every other window, or lets it go back among them;
    // its place and the focus stay.
    virtual void setTopmost(bool /*topmost*/) {}
    // Puts a text (code page 932) on the system's clipboard, as Unicode text.
    virtual void copyToClipboard(std::string_view /*text*/) {}
    // Opens a file (a path in UTF-8) with the program the system keeps for it:
    // the browser for an HTML page; false when the system could not.
    virtual bool openDocument(const std::string& /*path*/) { return false; }

    virtual void setTitle(std::string_view title) = 0;
    // A notice that does not stop the user (no modal box); an empty text takes
    // the notice away.
    virtual void showNotice(std::string_view text) = 0;
    // The About box.
    virtual void showAbout(std::string_view caption, const std::vector<std::string>& lines) = 0;
    // A long text to read (lines ended by "\n"), in a scrollable box with an OK
    // button; a window system without one shows it in a message box.
    virtual void showReport(std::string_view caption, std::string_view text)
    {
        messageBox(text, caption, MessageButtons::Ok, MessageIcon::Information);
    }
};

}  // namespace kestrel::ui

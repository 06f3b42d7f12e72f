#pragma once
// Where every control of a window or dialog sits, as plain data that each window
// system maps onto its own widgets, so that they can never drift apart.
//
// Rectangles are in dialog units: across, a quarter of the dialog font's average
// character width; down, an eighth of its height (what MapDialogRect uses). A
// window is described at its designed size; when it grows, each edge of a
// control moves by its share (in percent) of the growth: 0 stays, 100 moves
// with the window's right or bottom edge. Controls are listed in tab and z
// order; a window system gives the keyboard focus by Tab to those marked
// tabStop, in that order.

#include <optional>
#include <vector>

namespace kestrel::ui::layout {

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    int right() const { return x + width; }
    int bottom() const { return y + height; }
};

// The share of the window's growth each edge follows, in percent.
struct Follow {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

inline constexpr Follow kStay{};
inline constexpr Follow kStretchAcross{0, 0, 100, 0};
inline constexpr Follow kMoveRight{100, 0, 100, 0};
inline constexpr Follow kMoveDown{0, 100, 0, 100};

enum class FontRole {
    Dialog,   // the dialog font
    Panel,    // the hint panel's advice: one point larger than the dialog font
    Heading,  // the dialog font in bold (the hint panel's headings)
    Drawing,  // lines of a drawing in text: a full-width character 8 units across,
              // so that the lines match up whatever the font
};

enum class Look {
    Plain,
    Frame,          // a static whose text captions a group frame drawn at its rectangle
    Sunken,         // a static drawn in a sunken box (the definition file's name)
    Hidden,         // created but never shown (the window's default push button)
    DecreaseArrow,  // a button showing a small triangle pointing left
    IncreaseArrow,  // a button showing a small triangle pointing right
};

enum class TextAlign { Left, Centre, Right };

struct Placement {
    int id = 0;
    Rect rect;
    Follow follow = kStay;
    FontRole font = FontRole::Dialog;
    Look look = Look::Plain;
    TextAlign align = TextAlign::Left;  // statics and edits
    bool tabStop = false;
    bool wrap = false;    // a static whose long text breaks into lines within its rectangle
    bool notify = false;  // a static that reports clicks (the weapon name)
};

// Drawn lines and frames that belong to no control.
struct Decoration {
    enum class Kind { Frame, VerticalLine } kind = Kind::Frame;
    Rect rect;
    Follow follow = kStay;
};

// A divider a window system may let the user move: the controls right of x
// form a part of their own (the hint panel), which takes `follow` percent of
// the window's growth; the part left of it takes the rest.
struct Divider {
    int x = 0;
    int follow = 0;
    int rightMinWidth = 0;  // how narrow the divider may make the right part
};

struct Window {
    int width = 0;  // the designed size
    int height = 0;
    int minWidth = 0;  // the smallest size at which nothing overlaps
    int minHeight = 0;
    std::vector<Placement> controls;  // in tab and z order
    std::vector<Decoration> decorations;
    std::optional<Divider> divider;
};

// The main window: its bands, the candidate list and, right of the divider,
// the hint panel.
const Window& mainWindowLayout();
// A dialog by its template (138 user settings, 145 Config, 3110 答え合わせ); nullptr for any other.
const Window* dialogLayout(int templateId);

// Where a rectangle lies once the window has grown (or shrunk) from its
// designed size to width × height.
Rect placedAt(const Rect& rect, const Follow& follow, const Window& window, int width, int height);

// The part of a window on one side of its divider, as a window of its own: its
// controls and decorations shifted to the part's origin, their follows measured
// against the part's own growth. Without a divider, the left part is the
// whole window and the right part is empty.
Window leftPart(const Window& window);
Window rightPart(const Window& window);

// The identifiers that Tab visits, in order.
std::vector<int> tabOrder(const Window& window);

}  // namespace kestrel::ui::layout

#pragma once
// Where the controls of a window go, in dialog units (a quarter of the font's
// average character width across, an eighth of its height down), for any
// window system to map onto its own: the main window's bands at a given client
// size (extra width goes to the path, the list and the skill buttons, extra
// height to the list) and the two child dialogs by their templates.

#include "ui/controls.h"

#include <vector>

namespace kestrel::ui::layout {

struct Rect {
    int x, y, width, height;
};

struct Placement {
    int id;
    Rect rect;
    Align align = Align::Left;
    // A text shown as the caption of a group frame over rect.
    bool frame = false;
    // A text shown in a sunken field (the definition file's name).
    bool sunken = false;
};

struct WindowLayout {
    int width = 0, height = 0;  // the client area the placements fill
    std::vector<Placement> items;
};

// The original window was 519 x 422 dialog units; today's Japanese UI fonts
// draw a kanji two average characters wide (8 units), and the bottom strip
// needs 536 units for its texts to show whole.
inline constexpr int kMainWindowWidth = 536;
inline constexpr int kMainWindowHeight = 422;
inline constexpr int kMainWindowMinWidth = 536;
inline constexpr int kMainWindowMinHeight = 340;

// The main window in a client area of width × height (raised to the minimum).
// Controls without a placement are not shown.
WindowLayout mainWindowLayout(int width, int height);

// A child dialog by its template (138 user settings, 145 Config); for any
// other template no placements, and the window system arranges the controls.
WindowLayout dialogLayout(int templateId);

// Lays out one line of controls left to right.
class Row {
public:
    Row(WindowLayout& out, int x, int y, int height) : out_(out), x_(x), y_(y), height_(height) {}
    Row& put(int id, int width, Align align = Align::Left)
    {
        out_.items.push_back({id, {x_, y_, width, height_}, align});
        x_ += width + spacing_;
        return *this;
    }
    // The room left between neighbours from here on.
    Row& spacing(int width)
    {
        spacing_ = width;
        return *this;
    }
    Row& gap(int width)
    {
        x_ += width;
        return *this;
    }
    Row& at(int x)
    {
        x_ = x;
        return *this;
    }
    int x() const { return x_; }

private:
    WindowLayout& out_;
    int x_, y_, height_;
    int spacing_ = 2;
};

}  // namespace kestrel::ui::layout

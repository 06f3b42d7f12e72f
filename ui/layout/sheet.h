#pragma once
// A small writer for window descriptions: controls of one-line rows. A row is
// 12 dialog units high; a static sits one unit lower and is 10 high, so that
// its text lines up with the edits and buttons of its row.

#include "ui/layout/layout.h"

namespace kestrel::ui::layout {

inline constexpr int kRowHeight = 12;

class Sheet {
public:
    std::vector<Placement> controls;
    std::vector<Decoration> decorations;

    Placement& put(int id, Rect rect, bool tabStop = false)
    {
        Placement p;
        p.id = id;
        p.rect = rect;
        p.tabStop = tabStop;
        controls.push_back(p);
        return controls.back();
    }
    Placement& text(int id, int x, int y, int width, TextAlign align = TextAlign::Left)
    {
        Placement& p = put(id, {x, y + 1, width, kRowHeight - 2});
        p.align = align;
        return p;
    }
    Placement& edit(int id, int x, int y, int width)
    {
        Placement& p = put(id, {x, y, width, kRowHeight}, true);
        p.align = TextAlign::Centre;
        return p;
    }
    // A check box or a radio button.
    Placement& box(int id, int x, int y, int width) { return put(id, {x, y, width, kRowHeight}, true); }
    Placement& button(int id, int x, int y, int width, int height = kRowHeight)
    {
        return put(id, {x, y, width, height}, true);
    }
    // A small button with an arrow, never reached by Tab.
    Placement& arrow(int id, int x, int y, Look look)
    {
        Placement& p = put(id, {x, y, kRowHeight, kRowHeight});
        p.look = look;
        return p;
    }
    // A static whose text captions a frame around rect.
    Placement& frame(int id, Rect rect)
    {
        Placement& p = put(id, rect);
        p.look = Look::Frame;
        return p;
    }
    void decorate(Decoration::Kind kind, Rect rect, Follow follow = kStay)
    {
        decorations.push_back({kind, rect, follow});
    }

    Window window(int width, int height, int minWidth, int minHeight) &&
    {
        Window w;
        w.width = width;
        w.height = height;
        w.minWidth = minWidth;
        w.minHeight = minHeight;
        w.controls = std::move(controls);
        w.decorations = std::move(decorations);
        return w;
    }
};

// The hint panel's controls, in a part left wide from x = left, following the
// window's growth from `share` percent (its left edge) to 100 (its right edge).
void addHintPanel(Sheet& sheet, int left, int width, int share);
// "答え合わせ…" at the foot of that part, its bottom edge at y, keeping to the
// part's bottom right corner.
void addAnswerButton(Sheet& sheet, int left, int width, int bottom);

}  // namespace kestrel::ui::layout

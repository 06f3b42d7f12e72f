#include "ui/layout/layout.h"

#include <algorithm>

namespace kestrel::ui::layout {

namespace {

// An edge's follow within a part whose edges follow first and last percent of
// the window's growth.
int within(int follow, int first, int last)
{
    if (last <= first)
        return 0;
    return std::clamp((follow - first) * 100 / (last - first), 0, 100);
}

Follow partFollow(const Follow& f, int first, int last)
{
    return {within(f.left, first, last), f.top, within(f.right, first, last), f.bottom};
}

// The controls and decorations of one side, shifted left by dx.
Window part(const Window& window, bool right, int x0, int x1, int first, int last)
{
    Window p;
    p.width = x1 - x0;
    p.height = window.height;
    p.minWidth = std::max(0, p.width - (window.width - window.minWidth));
    p.minHeight = window.minHeight;
    const int split = window.divider ? window.divider->x : window.width;
    for (Placement c : window.controls) {
        if ((c.rect.x >= split) != right)
            continue;
        c.rect.x -= x0;
        c.follow = partFollow(c.follow, first, last);
        p.controls.push_back(c);
    }
    for (Decoration d : window.decorations) {
        if ((d.rect.x >= split) != right)
            continue;
        d.rect.x -= x0;
        d.follow = partFollow(d.follow, first, last);
        p.decorations.push_back(d);
    }
    return p;
}

}  // namespace

Rect placedAt(const Rect& rect, const Follow& follow, const Window& window, int width, int height)
{
    const int dx = width - window.width;
    const int dy = height - window.height;
    const int left = rect.x + dx * follow.left / 100;
    const int top = rect.y + dy * follow.top / 100;
    const int right = rect.right() + dx * follow.right / 100;
    const int bottom = rect.bottom() + dy * follow.bottom / 100;
    return {left, top, std::max(0, right - left), std::max(0, bottom - top)};
}

Window leftPart(const Window& window)
{
    if (!window.divider) {
        Window whole = window;
        whole.divider.reset();
        return whole;
    }
    Window p = part(window, false, 0, window.divider->x, 0, 100 - window.divider->follow);
    p.minWidth = window.divider->x;
    return p;
}

Window rightPart(const Window& window)
{
    if (!window.divider)
        return {};
    Window p = part(window, true, window.divider->x, window.width, 100 - window.divider->follow, 100);
    p.minWidth = std::clamp(window.divider->rightMinWidth, 0, p.width);
    return p;
}

std::vector<int> tabOrder(const Window& window)
{
    std::vector<int> ids;
    for (const Placement& c : window.controls) {
        if (c.tabStop && c.look != Look::Hidden)
            ids.push_back(c.id);
    }
    return ids;
}

}  // namespace kestrel::ui::layout

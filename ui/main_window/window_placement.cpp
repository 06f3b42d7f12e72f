#include "ui/main_window/window_placement.h"

#include <algorithm>
#include <cstdint>

namespace kestrel::ui {

namespace {

// The length two intervals [a, a + m) and [b, b + n) share (widened to 64 bits:
// a saved place is untrusted).
std::int64_t overlap(std::int64_t a, std::int64_t m, std::int64_t b, std::int64_t n)
{
    return std::max<std::int64_t>(0, std::min(a + m, b + n) - std::max(a, b));
}

bool topEdgeReachable(const WindowRect& w, const WindowRect& screen)
{
    const std::int64_t grip = std::min(w.width, kGripWidth);
    return w.y >= screen.y && std::int64_t{w.y} + kGripHeight <= std::int64_t{screen.y} + screen.height &&
           overlap(w.x, w.width, screen.x, screen.width) >= grip;
}

// A side larger than the screen's is cut to it, and the window then fills
// the screen that way rather than hang over its edge.
WindowRect cutTo(WindowRect w, const WindowRect& screen)
{
    if (w.width > screen.width) {
        w.width = screen.width;
        w.x = screen.x;
    }
    if (w.height > screen.height) {
        w.height = screen.height;
        w.y = screen.y;
    }
    return w;
}

}  // namespace

WindowRect placeOnScreens(const WindowRect& saved, const std::vector<WindowRect>& screens)
{
    if (screens.empty())
        return saved;
    for (const WindowRect& screen : screens)
        if (topEdgeReachable(saved, screen))
            return cutTo(saved, screen);
    const WindowRect* best = &screens.front();
    std::int64_t bestArea = 0;
    for (const WindowRect& screen : screens) {
        const std::int64_t area = overlap(saved.x, saved.width, screen.x, screen.width) *
                                  overlap(saved.y, saved.height, screen.y, screen.height);
        if (area > bestArea) {
            best = &screen;
            bestArea = area;
        }
    }
    WindowRect placed = cutTo(saved, *best);
    placed.x = best->x + (best->width - placed.width) / 2;
    placed.y = best->y + (best->height - placed.height) / 2;
    return placed;
}

}  // namespace kestrel::ui

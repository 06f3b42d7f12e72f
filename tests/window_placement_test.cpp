// A window saved in an earlier run comes back where the player can reach it,
// whatever the screens are now.

#include "ui/main_window/window_placement.h"

#include <gtest/gtest.h>

using kestrel::ui::placeOnScreens;
using kestrel::ui::WindowRect;

TEST(WindowPlacement, SavedPlaceKeptOnlyWhileItsTopEdgeCanBeGrabbed)
{
    const WindowRect primary{0, 0, 1366, 728};
    const WindowRect left{-1280, 0, 1280, 1024};  // a second screen left of it
    const std::vector<WindowRect> both{primary, left};
    const struct {
        const char* what;
        WindowRect saved;
        std::vector<WindowRect> screens;
        WindowRect want;
    } cases[] = {
        {"on the screen", {40, 50, 900, 600}, both, {40, 50, 900, 600}},
        {"on the left screen", {-1000, 100, 900, 600}, both, {-1000, 100, 900, 600}},
        {"across both", {-400, 10, 900, 600}, both, {-400, 10, 900, 600}},
        {"mostly off the right edge, a grip left", {1266, 100, 900, 600}, both, {1266, 100, 900, 600}},
        {"less than a grip left", {1300, 100, 900, 600}, both, {233, 64, 900, 600}},
        {"left screen unplugged", {-1000, 100, 900, 600}, {primary}, {233, 64, 900, 600}},
        {"title above every screen", {40, -300, 900, 600}, both, {233, 64, 900, 600}},
        {"top edge at the bottom", {40, 710, 900, 600}, both, {233, 64, 900, 600}},
        {"larger than the screen", {0, 0, 1600, 1000}, {primary}, {0, 0, 1366, 728}},
        {"larger than the screen, placed inside it", {300, 200, 1600, 1000}, {primary}, {0, 0, 1366, 728}},
        {"wider than the screen only", {300, 200, 1600, 400}, {primary}, {0, 200, 1366, 400}},
        {"far away and too large", {-32000, 32000, 16384, 16384}, both, {0, 0, 1366, 728}},
        {"mostly on the left screen but unreachable", {-1000, -200, 900, 600}, both, {-1090, 212, 900, 600}},
        {"no screens known", {-32000, 5, 300, 200}, {}, {-32000, 5, 300, 200}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(placeOnScreens(c.saved, c.screens), c.want) << c.what;
}

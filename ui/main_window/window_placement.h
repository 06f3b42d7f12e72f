#pragma once
// Where a window saved in an earlier run is shown now: the screens may have
// changed since (a monitor unplugged, a smaller resolution), and a window whose
// title bar lies off every screen cannot be reached.

#include "ui/controls.h"

#include <vector>

namespace kestrel::ui {

// How much of a window's top edge must lie on a screen for the player to grab it.
inline constexpr int kGripWidth = 100;
inline constexpr int kGripHeight = 30;

// The saved rectangle on these screens (their usable areas, the primary screen
// first). It stays where it was when its top edge lies on a screen with a grip
// of it reachable, its size cut to that screen's (a side cut to the screen's
// lies along the screen's edges); otherwise it is centred, cut
// to size, on the screen it overlaps most (the primary screen when none). With
// no screens at all it stays as saved.
WindowRect placeOnScreens(const WindowRect& saved, const std::vector<WindowRect>& screens);

}  // namespace kestrel::ui

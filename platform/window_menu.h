#pragma once
// The window menu of a native Windows window (the menu of its title bar icon).
// Elsewhere there is no such menu: both functions do nothing.

#include <cstdint>
#include <string>

namespace kestrel {

// Appends a separator and an item reading utf8Text that sends command to the
// window with the native handle window. Returns false when nothing was added.
bool appendWindowMenuItem(std::uintptr_t window, unsigned command, const std::string& utf8Text);

// Whether message (the native message of a window event) is the choice of
// command in the window menu.
bool isWindowMenuCommand(const void* message, unsigned command);

}  // namespace kestrel

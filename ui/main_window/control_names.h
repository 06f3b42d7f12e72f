#pragma once
// Names of the main window's controls for scripts and tools ("metal-button",
// "dealt-low", "class-2", "skill-5", …), beside their identifiers.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kestrel::ui {

// Every name with its control, in window order.
const std::vector<std::pair<std::string, int>>& mainWindowControlNames();

// The control a name stands for; nullopt for an unknown name.
std::optional<int> mainWindowControlByName(std::string_view name);

}  // namespace kestrel::ui

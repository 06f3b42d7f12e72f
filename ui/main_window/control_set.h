#pragma once
// The main window's controls, in the order of its bands from top to bottom.

#include "ui/controls.h"

#include <vector>

namespace kestrel::ui {

std::vector<ControlSpec> mainWindowControls();

}  // namespace kestrel::ui

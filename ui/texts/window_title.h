#pragma once
// The window title with its version and debug marker, and the About box texts.

#include <cstdint>
#include <string>
#include <vector>

namespace kestrel::ui {

// "ミルトポクイズ お助けツール   Ver 2.7", followed by "  -  [DebugMode%d]" when
// debugLevel is not 0 (code page 932).
std::string windowTitle(std::int32_t debugLevel);

// The About item of the window menu, the About box's caption and its lines.
std::string aboutMenuText();
std::string aboutCaption();
std::vector<std::string> aboutLines();

}  // namespace kestrel::ui

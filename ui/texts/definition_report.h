#pragma once
// What the window says in Japanese about a definition file that lies outside
// its layout: each warning of the loader, and the whole report of
// ヘルプ → 定義ファイルの確認. Texts in code page 932.

#include "catalogue/monster_loader.h"

#include <string>
#include <string_view>

namespace kestrel::ui {

// One warning of the loader in Japanese (the loader's own words when it is one
// this program does not know).
std::string warningText(const LoadWarning& warning);

// The report: the file, its format, encoding and monster count, one line per
// warning, then how many there are. path is in code page 932.
std::string definitionReportText(std::string_view path, const LoadReport& report, int monsterCount);

}  // namespace kestrel::ui

#include "ui/texts/window_title.h"

#include "ui/texts/texts.h"

#include "kestrel_version.h"

namespace kestrel::ui {

namespace {
constexpr const char* kProgramTitle = "ミルトポクイズ お助けツール";
constexpr const char* kVersion = KESTREL_VERSION;
}  // namespace

std::string windowTitle(std::int32_t debugLevel)
{
    std::string title = std::string(kProgramTitle) + "   Ver " + kVersion;
    if (debugLevel != 0)
        title += "  -  [DebugMode" + std::to_string(debugLevel) + "]";
    return sjis(title);
}

std::string aboutMenuText() { return sjis("Kestrel のﾊﾞｰｼﾞｮﾝ情報(&A)..."); }

std::string aboutCaption() { return sjis("Kestrelのﾊﾞｰｼﾞｮﾝ情報"); }

std::vector<std::string> aboutLines()
{
    return {sjis("Kestrel Version 1.00 Bata1"), sjis(std::string(kProgramTitle) + "   Ver " + kVersion)};
}

}  // namespace kestrel::ui

#include "cli/cli_common.h"

#include "platform/cp932.h"

#include <charconv>
#include <cstdlib>
#include <iostream>

namespace kestrel::cli {

int fail(std::string_view command, std::string_view message)
{
    std::cerr << "kestrel-cli " << command << ": " << message << '\n';
    return kFailure;
}

bool wantsHelp(const Args& args)
{
    for (const auto& arg : args)
        if (arg == "--help" || arg == "-h")
            return true;
    return false;
}

std::string utf8(std::string_view cp932) { return cp932ToUtf8(cp932); }

void printJson(const Json& document)
{
    std::cout << document.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
}

std::string intervalsText(const std::vector<StatInterval>& intervals)
{
    std::string text;
    for (const StatInterval& i : intervals)
        text += (text.empty() ? "" : " ") + std::to_string(i.first) + "-" + std::to_string(i.second);
    return text;
}

LoadReport loadDefinitionFile(Catalogue& catalogue, const std::string& path)
{
    return loadMonsterFile(catalogue, path, [](const LoaderMessage& message) {
        std::cerr << (message.caption.empty() ? std::string("kestrel-cli") : utf8(message.caption)) << ": "
                  << utf8(message.text) << '\n';
    });
}

double floatForJson(float value)
{
    char buffer[32];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    *result.ptr = '\0';
    return std::strtod(buffer, nullptr);
}

}  // namespace kestrel::cli
